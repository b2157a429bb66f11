The ZIP holds the program with its README, licence and example beside it,
in one folder.
  $ cmake -E tar tf "$PACKAGES"/rusiuoti-1.0.0-win32.zip | sort
  rusiuoti-1.0.0-win32/LICENSE.txt
  rusiuoti-1.0.0-win32/README.md
  rusiuoti-1.0.0-win32/duomenys.txt
  rusiuoti-1.0.0-win32/rusiuoti.exe

Unpacked into an empty folder and started there, the program reports on the
example and pauses.
  $ cmake -E tar xf "$PACKAGES"/rusiuoti-1.0.0-win32.zip
  $ cd rusiuoti-1.0.0-win32 && rusiuoti
  elementu kiekis  10
  42 -7 15 0 99 -7 3 1000 8 -250 
  Pradinis masyvas: 42 -7 15 0 99 -7 3 1000 8 -250 
  Surusiuotas masyvas: -250 -7 -7 0 3 8 15 42 99 1000 

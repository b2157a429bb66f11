The ZIP holds the program with its README, licence and example beside it,
in one folder.
  $ cmake -E tar tf "$PACKAGES"/rusiuoti-1.0.0-win32.zip | sort
  rusiuoti-1.0.0-win32/LICENSE.txt
  rusiuoti-1.0.0-win32/README.md
  rusiuoti-1.0.0-win32/duomenys.txt
  rusiuoti-1.0.0-win32/rusiuoti.exe

The program needs no library of its own beside it: it imports only from
Windows itself.
  $ cmake -E tar xf "$PACKAGES"/rusiuoti-1.0.0-win32.zip
  $ i686-w64-mingw32-objdump -p rusiuoti-1.0.0-win32/rusiuoti.exe | grep 'DLL Name'
  \tDLL Name: KERNEL32.dll (esc)
  \tDLL Name: msvcrt.dll (esc)

Started in the folder it was unpacked into, the program reports on the example
and pauses.
  $ cd rusiuoti-1.0.0-win32 && rusiuoti
  elementu kiekis  10
  42 -7 15 0 99 -7 3 1000 8 -250 
  Pradinis masyvas: 42 -7 15 0 99 -7 3 1000 8 -250 
  Surusiuotas masyvas: -250 -7 -7 0 3 8 15 42 99 1000 

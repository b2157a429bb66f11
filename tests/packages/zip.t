The ZIP holds the program with its README, licence and example beside it,
in one folder.
  $ cmake -E tar tf "$PACKAGES"/rusiuoti-1.0.0-win*.zip | sort
  rusiuoti-1.0.0-win*/LICENSE.txt (glob)
  rusiuoti-1.0.0-win*/README.md (glob)
  rusiuoti-1.0.0-win*/duomenys.txt (glob)
  rusiuoti-1.0.0-win*/rusiuoti.exe (glob)

The program needs no library of its own beside it: it imports only from
Windows itself.
  $ cmake -E tar xf "$PACKAGES"/rusiuoti-1.0.0-win*.zip
  $ objdump -p rusiuoti-1.0.0-win*/rusiuoti.exe | grep 'DLL Name'
  \tDLL Name: KERNEL32.dll (esc)
  \tDLL Name: msvcrt.dll (esc)

Started in the folder it was unpacked into, the program reports on the example
and pauses.
  $ cd rusiuoti-1.0.0-win* && rusiuoti
  elementu kiekis  10
  42 -7 15 0 99 -7 3 1000 8 -250 
  Pradinis masyvas: 42 -7 15 0 99 -7 3 1000 8 -250 
  Surusiuotas masyvas: -250 -7 -7 0 3 8 15 42 99 1000 

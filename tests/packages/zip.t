The ZIP holds the program with its README, licence and example beside it, in
one folder named with the version; the program 0755, the rest 0644.
  $ cmake -E tar tvf "$PACKAGES"/rusiuoti-*-win*.zip | awk '{ print $1, $9 }'
  -rw-r--r-- rusiuoti-*-win*/LICENSE.txt (glob)
  -rw-r--r-- rusiuoti-*-win*/README.txt (glob)
  -rw-r--r-- rusiuoti-*-win*/duomenys.txt (glob)
  -rwxr-xr-x rusiuoti-*-win*/rusiuoti.exe (glob)

Its text files end their lines as Windows does, so that any Notepad shows them.
  $ cmake -E tar xf "$PACKAGES"/rusiuoti-*-win*.zip
  $ cat rusiuoti-*/*.txt | sed -n '/\r$/!p' | wc -l
  0

The program needs no library of its own beside it: every library it imports
is one of Windows' own.
  $ objdump -p rusiuoti-*/rusiuoti.exe | sed -n 's/.*DLL Name: //p' > imports && test -s imports
  $ while read -r dll; do ls "$WINDOWS_DIR/system32" | grep -qix "$dll" || echo "$dll: not Windows' own"; done < imports

Started in the folder it was unpacked into, the program reports on the
example.
  $ cd rusiuoti-*-win* && rusiuoti
  elementu kiekis  10
  42 -7 15 0 99 -7 3 1000 8 -250 
  Pradinis masyvas: 42 -7 15 0 99 -7 3 1000 8 -250 
  Surusiuotas masyvas: -250 -7 -7 0 3 8 15 42 99 1000 

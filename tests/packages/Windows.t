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

Its README is the one for Windows users: plain text in lines of at most 80
characters, without the sections on Linux and on building, naming the licence
as it is named here. The licence names that of the runtime built in too.
  $ cat rusiuoti-*/README.txt | tr -d '\r' > readme
  $ awk 'length > 80 || /`|\*\*|^#/' readme
  $ awk '/^[=-]+$/ { print prev } { prev = $0 }' readme | grep -c -e Windows -e Linux -e Build
  2
  $ grep -F LICENSE readme
  this README as "README.txt" and the licence as "LICENSE.txt". The program is
  MIT; see "LICENSE.txt".
  $ grep -c -e '^MIT License' -e '^The runtime built into rusiuoti.exe' rusiuoti-*/LICENSE.txt
  2

Every library the linker took code from, the C and C++ runtimes among them, is
named in the licence.
  $ sed -n 's|^/[^ (]*/\(lib[^/ (]*\.a\)(.*|\1|p' "$MAP" | sort -u > libraries && grep -cxF -e libmsvcrt.a -e libstdc++.a libraries
  2
  $ while read -r library; do grep -qF "$library" rusiuoti-*/LICENSE.txt || echo "$library"; done < libraries

Windows shows the package's version under Properties, Details, from the
program's version resource.
  $ /usr/bin/python3 - rusiuoti-*/rusiuoti.exe <<'EOF' | sed "s/$(echo rusiuoti-*-win* | cut -d- -f2)/VERSION/g"
  > import pefile, sys
  > pe = pefile.PE(sys.argv[1])
  > high, low = pe.VS_FIXEDFILEINFO[0].FileVersionMS, pe.VS_FIXEDFILEINFO[0].FileVersionLS
  > strings = {key: value for info in pe.FileInfo[0] for table in getattr(info, "StringTable", [])
  >            for key, value in table.entries.items()}
  > print(f"{high >> 16}.{high & 0xFFFF}.{low >> 16}.{low & 0xFFFF}", strings[b"ProductVersion"].decode())
  > EOF
  VERSION.0 VERSION

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

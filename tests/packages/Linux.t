The tarball holds, under one folder named with the version and the program's
architecture, the program, its manual page, README, licence, the notice of the
runtime built in, the change log and the example, where the GNU directory
conventions put them. Directories and the program 0755, other files 0644,
all owned by root.
  $ tgz=$(echo "$PACKAGES"/rusiuoti-*-Linux-*.tar.gz)
  $ tar -tvzf "$tgz" | awk '{ print $1, $2, $6 }' | sed 's|rusiuoti-[^/]*-Linux-[^/]*/|.../|'
  drwxr-xr-x 0/0 .../
  drwxr-xr-x 0/0 .../bin/
  -rwxr-xr-x 0/0 .../bin/rusiuoti
  drwxr-xr-x 0/0 .../share/
  drwxr-xr-x 0/0 .../share/doc/
  drwxr-xr-x 0/0 .../share/doc/rusiuoti/
  -rw-r--r-- 0/0 .../share/doc/rusiuoti/CHANGELOG.md
  -rw-r--r-- 0/0 .../share/doc/rusiuoti/LICENSE
  -rw-r--r-- 0/0 .../share/doc/rusiuoti/NOTICE
  -rw-r--r-- 0/0 .../share/doc/rusiuoti/README.md
  drwxr-xr-x 0/0 .../share/doc/rusiuoti/examples/
  -rw-r--r-- 0/0 .../share/doc/rusiuoti/examples/duomenys.txt
  drwxr-xr-x 0/0 .../share/man/
  drwxr-xr-x 0/0 .../share/man/man1/
  -rw-r--r-- 0/0 .../share/man/man1/rusiuoti.1.gz

Every library the linker took code from, the C and C++ runtimes among them, is
named in the notice.
  $ tar -xzf "$tgz" && cd rusiuoti-*
  $ sed -n 's|^/[^ (]*/\(lib[^/ (]*\.a\)(.*|\1|p' "$MAP" | sort -u > ../libraries && grep -cxF -e libc.a -e libstdc++.a ../libraries
  2
  $ while read -r library; do grep -qF "$library" share/doc/rusiuoti/NOTICE || echo "$library"; done < ../libraries

Unpacked, it runs on the example it brings.
  $ cp share/doc/rusiuoti/examples/duomenys.txt . && bin/rusiuoti
  elementu kiekis  10
  42 -7 15 0 99 -7 3 1000 8 -250 
  Pradinis masyvas: 42 -7 15 0 99 -7 3 1000 8 -250 
  Surusiuotas masyvas: -250 -7 -7 0 3 8 15 42 99 1000 

Its manual page renders without a warning, mandoc's style checks included, and
names the package's version.
  $ mandoc -Tlint share/man/man1/rusiuoti.1.gz
  $ man --warnings=w -l share/man/man1/rusiuoti.1.gz | grep -c "rusiuoti $(basename "$PWD" | cut -d- -f2)"
  1

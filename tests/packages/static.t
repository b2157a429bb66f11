The Debian package holds the program, its manual page, README and example,
each where Debian expects it, with Debian's copyright, change log and lintian
override. The tarball holds the same under one folder named with the version
and the program's architecture, with the licence and the change log as they
are in place of Debian's files. Directories and the program 0755, other files
0644, all owned by root.
  $ deb=$(echo "$PACKAGES"/rusiuoti_*.deb) tgz=$(echo "$PACKAGES"/rusiuoti-*-Linux-*.tar.gz)
  $ dpkg-deb --contents "$deb" | awk '{ print $1, $2, $6 }' | sed -n 's|root/root \./usr/\(.\)|root \1|p' > deb.list
  $ tar -tvzf "$tgz" | awk '{ print $1, $2, $6 }' | sed -n 's|0/0 rusiuoti-[^/]*-Linux-[^/]*/\(.\)|root \1|p' > tgz.list
  $ cat deb.list
  drwxr-xr-x root bin/
  -rwxr-xr-x root bin/rusiuoti
  drwxr-xr-x root share/
  drwxr-xr-x root share/doc/
  drwxr-xr-x root share/doc/rusiuoti/
  -rw-r--r-- root share/doc/rusiuoti/README.md
  -rw-r--r-- root share/doc/rusiuoti/changelog.gz
  -rw-r--r-- root share/doc/rusiuoti/copyright
  drwxr-xr-x root share/doc/rusiuoti/examples/
  -rw-r--r-- root share/doc/rusiuoti/examples/duomenys.txt
  drwxr-xr-x root share/lintian/
  drwxr-xr-x root share/lintian/overrides/
  -rw-r--r-- root share/lintian/overrides/rusiuoti
  drwxr-xr-x root share/man/
  drwxr-xr-x root share/man/man1/
  -rw-r--r-- root share/man/man1/rusiuoti.1.gz
  $ diff --old-line-format='.deb only: %L' --new-line-format='tarball only: %L' --unchanged-line-format= deb.list tgz.list
  tarball only: -rw-r--r-- root share/doc/rusiuoti/CHANGELOG.md
  tarball only: -rw-r--r-- root share/doc/rusiuoti/LICENSE
  tarball only: -rw-r--r-- root share/doc/rusiuoti/NOTICE
  .deb only: -rw-r--r-- root share/doc/rusiuoti/changelog.gz
  .deb only: -rw-r--r-- root share/doc/rusiuoti/copyright
  .deb only: drwxr-xr-x root share/lintian/
  .deb only: drwxr-xr-x root share/lintian/overrides/
  .deb only: -rw-r--r-- root share/lintian/overrides/rusiuoti
  [1]

Its control file names the sources of the C library and of GCC's runtime
built in, by the versions dpkg knows of the compiler's own files, and its
copyright file, strictly in Debian's format, their licences.
  $ source_of() { dpkg-query -W -f '${source:Package} (= ${source:Version})' "$(dpkg -S "$(realpath "$(g++ -print-file-name="$1")")" | cut -d: -f1)"; }
  $ [ "$(dpkg-deb --field "$deb" Built-Using)" = "$(source_of libc.a)" ] && dpkg-deb --field "$deb" Built-Using
  glibc (= *) (glob)
  $ [ "$(dpkg-deb --field "$deb" Static-Built-Using)" = "$(source_of libstdc++.a)" ] && dpkg-deb --field "$deb" Static-Built-Using
  gcc-* (= *) (glob)
  $ ! dpkg-deb --field "$deb" Depends | grep .
  $ licences() { /usr/bin/python3 -c 'import debian.copyright as dep5, sys; print(*sorted(p.license.synopsis for p in dep5.Copyright(sys.stdin, strict=True).all_license_paragraphs()), sep="\n")'; }
  $ dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/rusiuoti/copyright | licences
  Expat
  GPL-3+ with GCC-exception-3.1 exception
  LGPL-2.1+

Every library the linker took code from is named in the tarball's notice.
  $ tar -xzOf "$tgz" --wildcards '*/NOTICE' > notice
  $ sed -n 's|^/[^ (]*/\(lib[^/ (]*\.a\)(.*|\1|p' "$MAP" | sort -u | while read -r library; do grep -qF "$library" notice || echo "$library"; done

Unpacked, each runs on the example it brings.
  $ dpkg-deb -x "$deb" root && tar -xzf "$tgz"
  $ cp root/usr/share/doc/rusiuoti/examples/duomenys.txt . && root/usr/bin/rusiuoti
  elementu kiekis  10
  42 -7 15 0 99 -7 3 1000 8 -250 
  Pradinis masyvas: 42 -7 15 0 99 -7 3 1000 8 -250 
  Surusiuotas masyvas: -250 -7 -7 0 3 8 15 42 99 1000 
  $ cp rusiuoti-*/share/doc/rusiuoti/examples/duomenys.txt . && rusiuoti-*/bin/rusiuoti | tail -n 1
  Surusiuotas masyvas: -250 -7 -7 0 3 8 15 42 99 1000 

Its manual page renders without a warning, mandoc's style checks included, and
names the package's version.
  $ mandoc -Tlint root/usr/share/man/man1/rusiuoti.1.gz
  $ man --warnings=w -l root/usr/share/man/man1/rusiuoti.1.gz | grep -c "rusiuoti $(dpkg-deb --field "$deb" Version)"
  1

lintian, pedantic, reports nothing but what the override explains.
  $ lintian -I --pedantic --allow-root "$deb"

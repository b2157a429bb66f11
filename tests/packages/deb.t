The Debian package holds the program, its documents, licence, change log,
manual page and lintian's override, each where Debian expects it, and nothing
else: directories and the program 0755, other files 0644, all owned by root.
  $ deb=$(echo "$PACKAGES"/rusiuoti_*_*.deb)
  $ dpkg-deb --contents "$deb" | awk '{ print $1, $2, $6 }'
  drwxr-xr-x root/root ./
  drwxr-xr-x root/root ./usr/
  drwxr-xr-x root/root ./usr/bin/
  -rwxr-xr-x root/root ./usr/bin/rusiuoti
  drwxr-xr-x root/root ./usr/share/
  drwxr-xr-x root/root ./usr/share/doc/
  drwxr-xr-x root/root ./usr/share/doc/rusiuoti/
  -rw-r--r-- root/root ./usr/share/doc/rusiuoti/README.md
  -rw-r--r-- root/root ./usr/share/doc/rusiuoti/changelog.gz
  -rw-r--r-- root/root ./usr/share/doc/rusiuoti/copyright
  -rw-r--r-- root/root ./usr/share/doc/rusiuoti/duomenys.txt
  drwxr-xr-x root/root ./usr/share/lintian/
  drwxr-xr-x root/root ./usr/share/lintian/overrides/
  -rw-r--r-- root/root ./usr/share/lintian/overrides/rusiuoti
  drwxr-xr-x root/root ./usr/share/man/
  drwxr-xr-x root/root ./usr/share/man/man1/
  -rw-r--r-- root/root ./usr/share/man/man1/rusiuoti.1.gz

Unpacked into a scratch root, the program runs on the example it brings.
  $ dpkg-deb -x "$deb" root
  $ cp root/usr/share/doc/rusiuoti/duomenys.txt . && root/usr/bin/rusiuoti
  elementu kiekis  10
  42 -7 15 0 99 -7 3 1000 8 -250 
  Pradinis masyvas: 42 -7 15 0 99 -7 3 1000 8 -250 
  Surusiuotas masyvas: -250 -7 -7 0 3 8 15 42 99 1000 

Its manual page renders without a warning and names the package's version.
  $ man --warnings=w -l root/usr/share/man/man1/rusiuoti.1.gz | grep -c "rusiuoti $(dpkg-deb --field "$deb" Version)"
  1

lintian finds no error and no warning.
  $ lintian --allow-root --fail-on error,warning "$deb" > /dev/null

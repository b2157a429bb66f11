The Debian package holds the program, its documents, licence, change log and
manual page, each where Debian expects it, and nothing else.
  $ deb=$(echo "$PACKAGES"/rusiuoti_1.0.0_*.deb)
  $ dpkg-deb --contents "$deb"
  drwxr-xr-x root/root * ./usr/ (glob)
  drwxr-xr-x root/root * ./usr/bin/ (glob)
  -rwxr-xr-x root/root * ./usr/bin/rusiuoti (glob)
  drwxr-xr-x root/root * ./usr/share/ (glob)
  drwxr-xr-x root/root * ./usr/share/doc/ (glob)
  drwxr-xr-x root/root * ./usr/share/doc/rusiuoti/ (glob)
  -rw-r--r-- root/root * ./usr/share/doc/rusiuoti/README.md (glob)
  -rw-r--r-- root/root * ./usr/share/doc/rusiuoti/changelog.gz (glob)
  -rw-r--r-- root/root * ./usr/share/doc/rusiuoti/copyright (glob)
  -rw-r--r-- root/root * ./usr/share/doc/rusiuoti/duomenys.txt (glob)
  drwxr-xr-x root/root * ./usr/share/man/ (glob)
  drwxr-xr-x root/root * ./usr/share/man/man1/ (glob)
  -rw-r--r-- root/root * ./usr/share/man/man1/rusiuoti.1.gz (glob)

Unpacked into a scratch root, the program runs on the example it brings.
  $ dpkg-deb -x "$deb" root
  $ cp root/usr/share/doc/rusiuoti/duomenys.txt . && root/usr/bin/rusiuoti
  elementu kiekis  10
  42 -7 15 0 99 -7 3 1000 8 -250 
  Pradinis masyvas: 42 -7 15 0 99 -7 3 1000 8 -250 
  Surusiuotas masyvas: -250 -7 -7 0 3 8 15 42 99 1000 

Its manual page renders without a warning.
  $ man --warnings=w -l root/usr/share/man/man1/rusiuoti.1.gz > /dev/null

lintian finds no error.
  $ lintian --allow-root --fail-on error "$deb" > /dev/null

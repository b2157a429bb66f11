The tarball holds the same files as the Debian package, under one folder
named with the architecture, and the program runs from there.
  $ tar -tzf "$PACKAGES"/rusiuoti-1.0.0-Linux-x86_64.tar.gz | sort
  rusiuoti-1.0.0-Linux-x86_64/bin/
  rusiuoti-1.0.0-Linux-x86_64/bin/rusiuoti
  rusiuoti-1.0.0-Linux-x86_64/share/
  rusiuoti-1.0.0-Linux-x86_64/share/doc/
  rusiuoti-1.0.0-Linux-x86_64/share/doc/rusiuoti/
  rusiuoti-1.0.0-Linux-x86_64/share/doc/rusiuoti/README.md
  rusiuoti-1.0.0-Linux-x86_64/share/doc/rusiuoti/changelog.gz
  rusiuoti-1.0.0-Linux-x86_64/share/doc/rusiuoti/copyright
  rusiuoti-1.0.0-Linux-x86_64/share/doc/rusiuoti/duomenys.txt
  rusiuoti-1.0.0-Linux-x86_64/share/man/
  rusiuoti-1.0.0-Linux-x86_64/share/man/man1/
  rusiuoti-1.0.0-Linux-x86_64/share/man/man1/rusiuoti.1.gz
  $ tar -xzf "$PACKAGES"/rusiuoti-*.tar.gz && cp rusiuoti-*/share/doc/rusiuoti/duomenys.txt .
  $ rusiuoti-*/bin/rusiuoti | tail -n 1
  Surusiuotas masyvas: -250 -7 -7 0 3 8 15 42 99 1000 

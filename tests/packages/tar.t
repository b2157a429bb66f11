The tarball holds the same files as the Debian package, under one folder.
  $ tar -tzf "$PACKAGES"/rusiuoti-1.0.0-Linux.tar.gz | sort
  rusiuoti-1.0.0-Linux/bin/
  rusiuoti-1.0.0-Linux/bin/rusiuoti
  rusiuoti-1.0.0-Linux/share/
  rusiuoti-1.0.0-Linux/share/doc/
  rusiuoti-1.0.0-Linux/share/doc/rusiuoti/
  rusiuoti-1.0.0-Linux/share/doc/rusiuoti/README.md
  rusiuoti-1.0.0-Linux/share/doc/rusiuoti/changelog.gz
  rusiuoti-1.0.0-Linux/share/doc/rusiuoti/copyright
  rusiuoti-1.0.0-Linux/share/doc/rusiuoti/duomenys.txt
  rusiuoti-1.0.0-Linux/share/man/
  rusiuoti-1.0.0-Linux/share/man/man1/
  rusiuoti-1.0.0-Linux/share/man/man1/rusiuoti.1.gz

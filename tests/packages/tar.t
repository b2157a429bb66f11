The tarball holds the same files as the Debian package, under one folder
named with the version and the architecture, with the same modes, owned by
root; the program runs from there.
  $ tar -tvzf "$PACKAGES"/rusiuoti-*-Linux-x86_64.tar.gz | awk '{ print $1, $2, $6 }'
  drwxr-xr-x 0/0 rusiuoti-*-Linux-x86_64/ (glob)
  drwxr-xr-x 0/0 rusiuoti-*-Linux-x86_64/bin/ (glob)
  -rwxr-xr-x 0/0 rusiuoti-*-Linux-x86_64/bin/rusiuoti (glob)
  drwxr-xr-x 0/0 rusiuoti-*-Linux-x86_64/share/ (glob)
  drwxr-xr-x 0/0 rusiuoti-*-Linux-x86_64/share/doc/ (glob)
  drwxr-xr-x 0/0 rusiuoti-*-Linux-x86_64/share/doc/rusiuoti/ (glob)
  -rw-r--r-- 0/0 rusiuoti-*-Linux-x86_64/share/doc/rusiuoti/README.md (glob)
  -rw-r--r-- 0/0 rusiuoti-*-Linux-x86_64/share/doc/rusiuoti/changelog.gz (glob)
  -rw-r--r-- 0/0 rusiuoti-*-Linux-x86_64/share/doc/rusiuoti/copyright (glob)
  -rw-r--r-- 0/0 rusiuoti-*-Linux-x86_64/share/doc/rusiuoti/duomenys.txt (glob)
  drwxr-xr-x 0/0 rusiuoti-*-Linux-x86_64/share/lintian/ (glob)
  drwxr-xr-x 0/0 rusiuoti-*-Linux-x86_64/share/lintian/overrides/ (glob)
  -rw-r--r-- 0/0 rusiuoti-*-Linux-x86_64/share/lintian/overrides/rusiuoti (glob)
  drwxr-xr-x 0/0 rusiuoti-*-Linux-x86_64/share/man/ (glob)
  drwxr-xr-x 0/0 rusiuoti-*-Linux-x86_64/share/man/man1/ (glob)
  -rw-r--r-- 0/0 rusiuoti-*-Linux-x86_64/share/man/man1/rusiuoti.1.gz (glob)
  $ tar -xzf "$PACKAGES"/rusiuoti-*.tar.gz && cp rusiuoti-*/share/doc/rusiuoti/duomenys.txt .
  $ rusiuoti-*/bin/rusiuoti | tail -n 1
  Surusiuotas masyvas: -250 -7 -7 0 3 8 15 42 99 1000 

A plain cmake build packs a dynamic program: stripped, depending on the
libraries dpkg-shlibdeps finds, with no Built-Using, and a copyright file,
strictly in Debian's format, that names its own licence alone.
  $ deb=$(echo "$PACKAGES"/rusiuoti_*.deb)
  $ dpkg-deb --field "$deb" Depends Built-Using Static-Built-Using
  Depends: libc6 (>= *), libgcc-s1 (>= *), libstdc++6 (>= *) (glob)
  $ dpkg-deb -x "$deb" root && readelf -S root/usr/bin/rusiuoti | grep -c symtab
  0
  [1]
  $ licences() { /usr/bin/python3 -c 'import debian.copyright as dep5, sys; print(*sorted(p.license.synopsis for p in dep5.Copyright(sys.stdin, strict=True).all_license_paragraphs()), sep="\n")'; }
  $ licences < root/usr/share/doc/rusiuoti/copyright
  Expat
  $ grep -ci static root/usr/share/doc/rusiuoti/copyright
  0
  [1]
  $ lintian -I --pedantic --allow-root "$deb"
  $ cp root/usr/share/doc/rusiuoti/examples/duomenys.txt . && root/usr/bin/rusiuoti | tail -n 1
  Surusiuotas masyvas: -250 -7 -7 0 3 8 15 42 99 1000 

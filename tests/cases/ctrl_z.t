A Ctrl-Z character ends the data, as it ends a Windows text file: in a file
of single bytes the byte 0x1A, in UTF-16 the character U+001A. Nothing after
it counts.
  $ printf '3 1 2\032 3' > duomenys.txt && rusiuoti
  Nepavyko nuskaityti elemento nr. 3 is 3
  [1]
  $ printf '3 1 2\032%6000s3' > duomenys.txt && rusiuoti
  Nepavyko nuskaityti elemento nr. 3 is 3
  [1]
  $ printf '2 7 1\032\n' > duomenys.txt && rusiuoti
  elementu kiekis  2
  7 1 
  Pradinis masyvas: 7 1 
  Surusiuotas masyvas: 1 7 
  $ utf16() { printf '\377\376'; printf "$1" | iconv -f UTF-8 -t UTF-16LE; }
  $ utf16 '3 7 1\032 5' > duomenys.txt && rusiuoti
  Nepavyko nuskaityti elemento nr. 3 is 3
  [1]

In UTF-16 a byte 0x1A, or the bytes of a line end, may belong to another
character, which is then no more than a character outside ASCII.
  $ utf16 '1 5\320\232' > duomenys.txt && rusiuoti
  Nepavyko nuskaityti elemento nr. 1 is 1: "5?"
  [1]
  $ utf16 '2 5\340\250\215 6' > duomenys.txt && rusiuoti
  Nepavyko nuskaityti elemento nr. 1 is 2: "5?"
  [1]

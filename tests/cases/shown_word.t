A message shows the word it could not read: printable ASCII as itself, any
other character as one '?'; its first 20 characters, then "...". In a file of
single bytes a whole UTF-8 sequence is one character, and each byte of a
sequence cut short, or any other byte, one of its own (0xC0, 0xC1 and 0xF5
onwards lead no sequence).
  $ printf '2 1 \001x\377\t9' > duomenys.txt && rusiuoti
  Nepavyko nuskaityti elemento nr. 2 is 2: "?x?"
  [1]
  $ printf '2 1 1234567890123456789x' > duomenys.txt && rusiuoti
  Nepavyko nuskaityti elemento nr. 2 is 2: "1234567890123456789x"
  [1]
  $ printf '2 1 123456789012345678901234' > duomenys.txt && rusiuoti
  Nepavyko nuskaityti elemento nr. 2 is 2: "12345678901234567890..."
  [1]
  $ printf '1 5\342\210' > duomenys.txt && rusiuoti
  Nepavyko nuskaityti elemento nr. 1 is 1: "5??"
  [1]
  $ printf '1 5\304\304\205' > duomenys.txt && rusiuoti
  Nepavyko nuskaityti elemento nr. 1 is 1: "5??"
  [1]
  $ printf '1 \342\210\2225' > duomenys.txt && rusiuoti
  Nepavyko nuskaityti elemento nr. 1 is 1: "?5"
  [1]
  $ printf '1 5\300\200\365\200\200\200' > duomenys.txt && rusiuoti
  Nepavyko nuskaityti elemento nr. 1 is 1: "5??????"
  [1]
  $ printf '1 \304\205\304\205\304\205\304\205\304\205\304\205\304\205\304\205\304\205\304\205\304\205\304\205\304\205\304\205\304\205\304\205\304\205\304\205\304\205\304\205\304\205' > duomenys.txt && rusiuoti
  Nepavyko nuskaityti elemento nr. 1 is 1: "????????????????????..."
  [1]

The same text gives the same message in UTF-8 (here with its mark), in
a Windows code page of single bytes (here cp1257) and in UTF-16; a character
beyond U+FFFF too, four bytes in UTF-8 and two surrogates in UTF-16.
  $ in_each_encoding() {
  >   { printf '\357\273\277'; printf "$1"; } > duomenys.txt && rusiuoti
  >   printf "$2" > duomenys.txt && rusiuoti
  >   { printf '\377\376'; printf "$1" | iconv -f UTF-8 -t UTF-16LE; } > duomenys.txt && rusiuoti
  > }
  $ in_each_encoding '2 1 5\304\215' '2 1 5\350'
  Nepavyko nuskaityti elemento nr. 2 is 2: "5?"
  Nepavyko nuskaityti elemento nr. 2 is 2: "5?"
  Nepavyko nuskaityti elemento nr. 2 is 2: "5?"
  [1]
  $ in_each_encoding 'Skai\304\215iai:\r\n3 1 2 3' 'Skai\350iai:\r\n3 1 2 3'
  Nepavyko nuskaityti elementu kiekio: "Skai?iai:"
  Nepavyko nuskaityti elementu kiekio: "Skai?iai:"
  Nepavyko nuskaityti elementu kiekio: "Skai?iai:"
  [1]
  $ printf '1 5\360\237\230\200' > duomenys.txt && rusiuoti
  Nepavyko nuskaityti elemento nr. 1 is 1: "5?"
  [1]
  $ { printf '\377\376'; printf '1 5\360\237\230\200' | iconv -f UTF-8 -t UTF-16LE; } > duomenys.txt && rusiuoti
  Nepavyko nuskaityti elemento nr. 1 is 1: "5?"
  [1]

The two surrogates of a pair are one character also where the file is read in
two blocks of 4,096 bytes between them.
  $ { printf '\377\376'; printf '1%2044sx\360\237\230\200' | iconv -f UTF-8 -t UTF-16LE; } > duomenys.txt && rusiuoti
  Nepavyko nuskaityti elemento nr. 1 is 1: "x?"
  [1]

Surrogates that make no pair are a character each.
  $ printf '\377\3761\000 \000=\330\000\340=\3305\000' > duomenys.txt && rusiuoti
  Nepavyko nuskaityti elemento nr. 1 is 1: "???5"
  [1]

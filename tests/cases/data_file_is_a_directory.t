A directory in the data file's place cannot be read: no data file either.
  $ mkdir duomenys.txt
  $ rusiuoti
  Nera pradinio failo (no-eol)
  [1]

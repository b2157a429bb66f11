No data file in the working directory, or a directory in its place: the
message alone, without a line end, and no pause.
  $ rusiuoti
  Nera pradinio failo (no-eol)
  [1]
  $ mkdir duomenys.txt && rusiuoti
  Nera pradinio failo (no-eol)
  [1]

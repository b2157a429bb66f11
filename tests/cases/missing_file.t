No data file in the working directory: the message alone, without a line end.
  $ rusiuoti
  Nera pradinio failo (no-eol)
  [1]

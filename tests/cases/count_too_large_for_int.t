A count that does not fit in an int is no count of 0.
  $ printf '3000000000 1 2 3\n' > duomenys.txt
  $ rusiuoti
  Nepavyko nuskaityti elementu kiekio
  [1]

A first token that is not an integer is no count.
  $ printf 'penki 1 2 3 4 5\n' > duomenys.txt
  $ rusiuoti
  Nepavyko nuskaityti elementu kiekio
  [1]

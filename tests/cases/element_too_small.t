An element one below the smallest int, as the first element.
  $ printf '2 -2147483649 0\n' > duomenys.txt
  $ rusiuoti
  Nepavyko nuskaityti elemento nr. 1 is 2
  [1]

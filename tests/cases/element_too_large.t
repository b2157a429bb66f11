An element one past the largest int.
  $ printf '3 5 6 2147483648\n' > duomenys.txt
  $ rusiuoti
  Nepavyko nuskaityti elemento nr. 3 is 3
  [1]

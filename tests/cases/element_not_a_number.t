A token among the elements that is not an integer.
  $ printf '4 7 x 9 1\n' > duomenys.txt
  $ rusiuoti
  Nepavyko nuskaityti elemento nr. 2 is 4
  [1]

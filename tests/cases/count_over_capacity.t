One element more than the program holds.
  $ printf '101 1 2 3\n' > duomenys.txt
  $ rusiuoti
  Per didelis elementu kiekis: 101 (daugiausia 100)
  [1]

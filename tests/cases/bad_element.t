Each element must be a whole integer token that fits in an int; the message
names the first one that is not, and nothing of the report is written.
  $ printf '3\n7\n' > duomenys.txt && rusiuoti
  Nepavyko nuskaityti elemento nr. 2 is 3
  [1]
  $ printf '4 7 x 9 1\n' > duomenys.txt && rusiuoti
  Nepavyko nuskaityti elemento nr. 2 is 4
  [1]
  $ printf '3 5 6 2147483648\n' > duomenys.txt && rusiuoti
  Nepavyko nuskaityti elemento nr. 3 is 3
  [1]
  $ printf '2 -2147483649 0\n' > duomenys.txt && rusiuoti
  Nepavyko nuskaityti elemento nr. 1 is 2
  [1]
  $ printf '1\n1.5' > duomenys.txt && rusiuoti
  Nepavyko nuskaityti elemento nr. 1 is 1
  [1]
  $ printf '2 1 2junk' > duomenys.txt && rusiuoti
  Nepavyko nuskaityti elemento nr. 2 is 2
  [1]
  $ printf '3\n1,2,3' > duomenys.txt && rusiuoti
  Nepavyko nuskaityti elemento nr. 1 is 3
  [1]

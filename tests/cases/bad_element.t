Each element must be a whole integer token that fits in an int; the message
names the first one that is not and shows it, and nothing of the report is
written. When the data ends first, there is nothing to show.
  $ printf '3\n7\n' > duomenys.txt && rusiuoti
  Nepavyko nuskaityti elemento nr. 2 is 3
  [1]
  $ printf '4 7 x 9 1\n' > duomenys.txt && rusiuoti
  Nepavyko nuskaityti elemento nr. 2 is 4: "x"
  [1]
  $ printf '3 5 6 2147483648\n' > duomenys.txt && rusiuoti
  Nepavyko nuskaityti elemento nr. 3 is 3: "2147483648"
  [1]
  $ printf '2 -2147483649 0\n' > duomenys.txt && rusiuoti
  Nepavyko nuskaityti elemento nr. 1 is 2: "-2147483649"
  [1]
  $ printf '3\n1.5 2 3' > duomenys.txt && rusiuoti
  Nepavyko nuskaityti elemento nr. 1 is 3: "1.5"
  [1]
  $ printf '2 1 2junk' > duomenys.txt && rusiuoti
  Nepavyko nuskaityti elemento nr. 2 is 2: "2junk"
  [1]
  $ printf '3\n1,2,3' > duomenys.txt && rusiuoti
  Nepavyko nuskaityti elemento nr. 1 is 3: "1,2,3"
  [1]
  $ printf '3 1-2 3 4' > duomenys.txt && rusiuoti
  Nepavyko nuskaityti elemento nr. 1 is 3: "1-2"
  [1]

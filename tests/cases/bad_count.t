The count must be a whole integer token that fits in an int and is at most
100; a token that only begins with one is none. The message shows that token.
  $ printf 'penki 1 2 3 4 5\n' > duomenys.txt && rusiuoti
  Nepavyko nuskaityti elementu kiekio: "penki"
  [1]
  $ printf '3000000000 1 2 3\n' > duomenys.txt && rusiuoti
  Nepavyko nuskaityti elementu kiekio: "3000000000"
  [1]
  $ printf '0x10 1 2 3' > duomenys.txt && rusiuoti
  Nepavyko nuskaityti elementu kiekio: "0x10"
  [1]
  $ printf '3.7 1 2 3' > duomenys.txt && rusiuoti
  Nepavyko nuskaityti elementu kiekio: "3.7"
  [1]
  $ printf '101 1 2 3\n' > duomenys.txt && rusiuoti
  Per didelis elementu kiekis: 101 (daugiausia 100)
  [1]

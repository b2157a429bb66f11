Two bytes of a byte-order mark are not one: the count is unreadable.
  $ printf '\357\2733 2 1 3\n' > duomenys.txt
  $ rusiuoti
  Nepavyko nuskaityti elementu kiekio
  [1]

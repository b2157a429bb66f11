Fewer elements than the count: which one is missing, and nothing of the report.
  $ printf '3\n7\n' > duomenys.txt
  $ rusiuoti
  Nepavyko nuskaityti elemento nr. 2 is 3
  [1]

Command-line arguments change nothing.
  $ printf '2 1 0\n' > duomenys.txt
  $ rusiuoti --help duomenys.txt
  elementu kiekis  2
  1 0 
  Pradinis masyvas: 1 0 
  Surusiuotas masyvas: 0 1 

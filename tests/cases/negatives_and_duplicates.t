Negative values come first and every duplicate is kept.
  $ printf '7 -5 3 -5 0 3 -1 3\n' > duomenys.txt
  $ rusiuoti
  elementu kiekis  7
  -5 3 -5 0 3 -1 3 
  Pradinis masyvas: -5 3 -5 0 3 -1 3 
  Surusiuotas masyvas: -5 -5 -1 0 3 3 3 

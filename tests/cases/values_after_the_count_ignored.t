Only as many elements as the count are read; the rest may be anything.
  $ printf '2 9 8 7 not-a-number\n' > duomenys.txt
  $ rusiuoti
  elementu kiekis  2
  9 8 
  Pradinis masyvas: 9 8 
  Surusiuotas masyvas: 8 9 

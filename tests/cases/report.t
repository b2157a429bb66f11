A small file: the count, the values as read (twice), then sorted.
  $ printf '5\n3 1 4 1 5\n' > duomenys.txt
  $ rusiuoti
  elementu kiekis  5
  3 1 4 1 5 
  Pradinis masyvas: 3 1 4 1 5 
  Surusiuotas masyvas: 1 1 3 4 5 

A UTF-8 byte-order mark in front, as Windows editors save it.
  $ printf '\357\273\2773 2 1 3\n' > duomenys.txt
  $ rusiuoti
  elementu kiekis  3
  2 1 3 
  Pradinis masyvas: 2 1 3 
  Surusiuotas masyvas: 1 2 3 

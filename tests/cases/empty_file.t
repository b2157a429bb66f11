An empty file is the empty list.
  $ touch duomenys.txt
  $ rusiuoti
  elementu kiekis  0
  
  Pradinis masyvas: 
  Surusiuotas masyvas: 

A count of 0: empty listings, a success.
  $ printf '0\n' > duomenys.txt
  $ rusiuoti
  elementu kiekis  0
  
  Pradinis masyvas: 
  Surusiuotas masyvas: 

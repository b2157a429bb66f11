A negative count is shown as read and lists nothing; what follows is not read.
  $ printf -- '-3\n4 5 6\n' > duomenys.txt
  $ rusiuoti
  elementu kiekis  -3
  
  Pradinis masyvas: 
  Surusiuotas masyvas: 

The smallest int as count is one more negative count.
  $ printf -- '-2147483648 1 2\n' > duomenys.txt
  $ rusiuoti
  elementu kiekis  -2147483648
  
  Pradinis masyvas: 
  Surusiuotas masyvas: 

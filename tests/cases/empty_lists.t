An empty file, a file of whitespace, a count of 0 and a negative count are
all the empty list: empty listings, a success. A negative count is shown as
read, the smallest int too, and what follows it is not read.
  $ touch duomenys.txt && rusiuoti
  elementu kiekis  0
  
  Pradinis masyvas: 
  Surusiuotas masyvas: 
  $ printf ' \t\r\n\n   ' > duomenys.txt && rusiuoti
  elementu kiekis  0
  
  Pradinis masyvas: 
  Surusiuotas masyvas: 
  $ printf '0\n' > duomenys.txt && rusiuoti
  elementu kiekis  0
  
  Pradinis masyvas: 
  Surusiuotas masyvas: 
  $ printf -- '-3\n4 5 x\n' > duomenys.txt && rusiuoti
  elementu kiekis  -3
  
  Pradinis masyvas: 
  Surusiuotas masyvas: 
  $ printf -- '-2147483648 1 2\n' > duomenys.txt && rusiuoti
  elementu kiekis  -2147483648
  
  Pradinis masyvas: 
  Surusiuotas masyvas: 

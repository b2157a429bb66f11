A file of whitespace only is the empty list too.
  $ printf ' \t\r\n\n   ' > duomenys.txt
  $ rusiuoti
  elementu kiekis  0
  
  Pradinis masyvas: 
  Surusiuotas masyvas: 

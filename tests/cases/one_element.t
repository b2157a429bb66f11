One element is listed three times, unchanged.
  $ printf '1\n-42\n' > duomenys.txt
  $ rusiuoti
  elementu kiekis  1
  -42 
  Pradinis masyvas: -42 
  Surusiuotas masyvas: -42 

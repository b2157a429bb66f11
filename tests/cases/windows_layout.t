Windows line ends, tabs and blank lines separate values like spaces.
  $ printf '3\r\n\r\n\t5\r\n  -1\t\t2\r\n' > duomenys.txt
  $ rusiuoti
  elementu kiekis  3
  5 -1 2 
  Pradinis masyvas: 5 -1 2 
  Surusiuotas masyvas: -1 2 5 

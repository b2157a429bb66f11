UTF-8 with its byte-order mark, as Windows editors save it; two bytes of the
mark are no mark.
  $ printf '\357\273\2773 2 1 3\n' > duomenys.txt && rusiuoti
  elementu kiekis  3
  2 1 3 
  Pradinis masyvas: 2 1 3 
  Surusiuotas masyvas: 1 2 3 
  $ printf '\357\2733 2 1 3\n' > duomenys.txt && rusiuoti
  Nepavyko nuskaityti elementu kiekio: "??3"
  [1]

UTF-16 with its mark, as PowerShell and Notepad write it, in either byte order.
  $ utf16() { printf "$1"; printf "$3" | iconv -f UTF-8 -t "UTF-16$2"; }
  $ utf16 '\377\376' LE '5 3 1 4 1 5\r\n' > duomenys.txt && rusiuoti
  elementu kiekis  5
  3 1 4 1 5 
  Pradinis masyvas: 3 1 4 1 5 
  Surusiuotas masyvas: 1 1 3 4 5 
  $ utf16 '\376\377' BE '3\r\n-1\t20 7' > duomenys.txt && rusiuoti
  elementu kiekis  3
  -1 20 7 
  Pradinis masyvas: -1 20 7 
  Surusiuotas masyvas: -1 7 20 

A long file reads the same, its numbers anywhere in it, across the blocks it
is read in too.
  $ printf '%4093s2 -3 15\r\n' > duomenys.txt && rusiuoti
  elementu kiekis  2
  -3 15 
  Pradinis masyvas: -3 15 
  Surusiuotas masyvas: -3 15 
  $ utf16 '\377\376' LE "$(printf '%3000s')3 1 -2 0\r\n" > duomenys.txt && rusiuoti
  elementu kiekis  3
  1 -2 0 
  Pradinis masyvas: 1 -2 0 
  Surusiuotas masyvas: -2 0 1 

A mark alone is an empty file. A character outside ASCII, or a last byte
without its pair, spoils its token.
  $ utf16 '\377\376' LE '' > duomenys.txt && rusiuoti
  elementu kiekis  0
  
  Pradinis masyvas: 
  Surusiuotas masyvas: 
  $ utf16 '\376\377' BE '2 1 2\304\261' > duomenys.txt && rusiuoti
  Nepavyko nuskaityti elemento nr. 2 is 2: "2?"
  [1]
  $ { utf16 '\377\376' LE '2 1 2'; printf 7; } > duomenys.txt && rusiuoti
  Nepavyko nuskaityti elemento nr. 2 is 2: "2?"
  [1]

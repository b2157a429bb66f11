An error while reading the data file, at whichever read of it, ends the run
as a file that cannot be opened: that message alone, status 1, no pause. Only
the reads of the data file are counted and failed, not those of a sanitizer's
runtime.
  $ fail_each_read() {
  >   strace -qq -P "$PWD/duomenys.txt" -e trace=read -o reads rusiuoti > /dev/null
  >   for n in $(seq "$(wc -l < reads)"); do
  >     strace -qq -o /dev/null -P "$PWD/duomenys.txt" -e trace=read -e inject=read:error=EIO:when=$n rusiuoti
  >     echo " [$?]"
  >   done | sort -u
  > }
  $ printf '3 1 2 3' > duomenys.txt && fail_each_read
  Nera pradinio failo [1]
  $ { printf '\377\376'; printf '%9000s2 7 1\r\n' | iconv -f ASCII -t UTF-16LE; } > duomenys.txt && fail_each_read
  Nera pradinio failo [1]

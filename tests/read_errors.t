An error while reading the data file, at whichever read of it, ends the run
as a file that cannot be opened: that message alone, status 1, no pause.
  $ fail_each_read() {
  >   strace -qq -y -e trace=read -o reads rusiuoti > /dev/null
  >   for n in $(grep -n 'duomenys\.txt>' reads | cut -d: -f1); do
  >     strace -qq -o /dev/null -e trace=read -e inject=read:error=EIO:when=$n rusiuoti; echo " [$?]"
  >   done | sort -u
  > }
  $ printf '3 1 2 3' > duomenys.txt && fail_each_read
  Nera pradinio failo [1]
  $ { printf '\377\376'; printf '%9000s2 7 1\r\n' | iconv -f ASCII -t UTF-16LE; } > duomenys.txt && fail_each_read
  Nera pradinio failo [1]

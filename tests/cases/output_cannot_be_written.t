A report that cannot be written is a failure.
  $ printf '2 1 0\n' > duomenys.txt && rusiuoti > /dev/full
  [1]

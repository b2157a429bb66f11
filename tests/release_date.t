CMake refuses a release date in the change log that is no real date, before
it configures anything.
  $ for date in 2026-13-45 2027-02-29 2026-12-7; do
  >   mkdir $date && cp -r "$SOURCE/CMakeLists.txt" "$SOURCE/cmake" $date && sed "s/^\(## [0-9.]*\) (.*)$/\1 ($date)/" "$SOURCE/CHANGELOG.md" > $date/CHANGELOG.md
  >   cmake -G Ninja -S $date -B $date/build 2>&1 >/dev/null | grep -o "$date, .*"
  > done
  2026-13-45, the date of *, is no real date (glob)
  2027-02-29, the date of *, is no real date (glob)
  2026-12-7, the date of *, is no real date (glob)

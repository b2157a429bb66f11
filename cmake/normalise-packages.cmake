# Run by CPack once it has made the packages, so that they do not depend on
# who builds them and how. CPack takes modes from the umask, owners from the
# builder, member order from the file system's listing, and for a ZIP local
# time from TZ. Each package's content is packed again: directories and
# programs 0755, other files 0644, in name order, owned by root (a ZIP names no
# owner), every time SOURCE_DATE_EPOCH, in UTC; the .deb by Debian's own
# dpkg-deb, its Installed-Size counted as dpkg counts it, whatever the file
# system: each file's size in KiB, rounded up, and one for each directory, the
# root among them. Its control file names the C library built in.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  set(tree ${package}.content)
  file(REMOVE_RECURSE ${tree})
  if(package MATCHES "\\.deb$")
    execute_process(COMMAND dpkg-deb --raw-extract ${package} ${tree} COMMAND_ERROR_IS_FATAL ANY)
    file(GLOB_RECURSE entries LIST_DIRECTORIES true RELATIVE ${tree} ${tree}/*)
    list(FILTER entries EXCLUDE REGEX "^DEBIAN")
    set(kib 1)
    foreach(entry IN LISTS entries)
      if(IS_DIRECTORY ${tree}/${entry})
        math(EXPR kib "${kib} + 1")
      else()
        file(SIZE ${tree}/${entry} bytes)
        math(EXPR kib "${kib} + (${bytes} + 1023) / 1024")
      endif()
    endforeach()
    file(READ ${tree}/DEBIAN/control control)
    string(REGEX REPLACE "Installed-Size: [0-9]+" "Installed-Size: ${kib}\nBuilt-Using: ${CPACK_DEBIAN_BUILT_USING}"
      control "${control}")
    file(WRITE ${tree}/DEBIAN/control "${control}")
  else()
    file(MAKE_DIRECTORY ${tree})
    execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${package} WORKING_DIRECTORY ${tree} COMMAND_ERROR_IS_FATAL ANY)
  endif()
  file(REMOVE ${package})
  execute_process(COMMAND chmod -R u=rwX,go=rX ${tree} COMMAND_ERROR_IS_FATAL ANY)
  file(GLOB top RELATIVE ${tree} ${tree}/*)
  if(package MATCHES "\\.deb$")
    execute_process(COMMAND dpkg-deb --root-owner-group -Zgzip --build ${tree} ${package}
      OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  elseif(package MATCHES "\\.zip$")
    execute_process(COMMAND find ${top} -exec touch -h -d @$ENV{SOURCE_DATE_EPOCH} {} +
      WORKING_DIRECTORY ${tree} COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND find ${top} -type f COMMAND env LC_ALL=C sort COMMAND env TZ=UTC zip -q -X -9 -@ ${package}
      WORKING_DIRECTORY ${tree} COMMAND_ERROR_IS_FATAL ANY)
  else()
    execute_process(
      COMMAND tar --sort=name --format=gnu --owner=0 --group=0 --numeric-owner --mtime=@$ENV{SOURCE_DATE_EPOCH}
        -cf - ${top}
      COMMAND gzip -9n
      OUTPUT_FILE ${package} WORKING_DIRECTORY ${tree} COMMAND_ERROR_IS_FATAL ANY)
  endif()
  file(REMOVE_RECURSE ${tree})
endforeach()

# Run by CPack once it has made the packages, so that they do not depend on
# who builds them and how. CPack takes modes from the umask, owners from the
# builder, member order from the file system's listing, and for a ZIP local
# time from TZ. Each package's content is packed again: directories and
# programs 0755, other files 0644, in name order, owned by root (a ZIP names no
# owner), every time SOURCE_DATE_EPOCH, in UTC; the .deb by Debian's own
# dpkg-deb, its Installed-Size counted as dpkg counts it, whatever the file
# system: each file's size in KiB, rounded up, and one for each directory, the
# root among them. A static program's .deb names the sources of the C library
# and of GCC's runtime built in, its tarball carries their notices.

# The Debian source package, and its version, of the file the compiler links
# for NAME, as "source (= version)"; nothing where dpkg does not know it.
function(debian_source_of name result)
  execute_process(COMMAND ${CPACK_RUSIUOTI_COMPILER} -print-file-name=${name} OUTPUT_VARIABLE path
    OUTPUT_STRIP_TRAILING_WHITESPACE)
  file(REAL_PATH ${path} path)
  execute_process(COMMAND dpkg-query --search ${path} OUTPUT_VARIABLE owner ERROR_QUIET)
  string(REGEX REPLACE ": .*" "" owner "${owner}")
  execute_process(COMMAND dpkg-query --show "--showformat=\${source:Package} (= \${source:Version})" ${owner}
    OUTPUT_VARIABLE source ERROR_QUIET)
  set(${result} "${source}" PARENT_SCOPE)
endfunction()
if(CPACK_RUSIUOTI_STATIC)
  debian_source_of(libc.a glibc)
  debian_source_of(libstdc++.a gcc)
endif()

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
    set(fields "Installed-Size: ${kib}")
    if(CPACK_RUSIUOTI_STATIC)
      string(APPEND fields "\nBuilt-Using: ${glibc}\nStatic-Built-Using: ${gcc}")
    endif()
    file(READ ${tree}/DEBIAN/control control)
    string(REGEX REPLACE "Installed-Size: [0-9]+" "${fields}" control "${control}")
    file(WRITE ${tree}/DEBIAN/control "${control}")
  else()
    file(MAKE_DIRECTORY ${tree})
    execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${package} WORKING_DIRECTORY ${tree} COMMAND_ERROR_IS_FATAL ANY)
    if(CPACK_RUSIUOTI_STATIC AND package MATCHES "\\.tar\\.gz$")
      execute_process(COMMAND getconf GNU_LIBC_VERSION OUTPUT_VARIABLE glibc_version OUTPUT_STRIP_TRAILING_WHITESPACE)
      string(REGEX REPLACE "^glibc " "" glibc_version "${glibc_version}")
      execute_process(COMMAND ${CPACK_RUSIUOTI_COMPILER} -dumpfullversion OUTPUT_VARIABLE gcc_version
        OUTPUT_STRIP_TRAILING_WHITESPACE)
      set(version ${CPACK_PACKAGE_VERSION})
      set(glibc_source "Its source is the GNU project's release of that version.")
      if(glibc MATCHES "^([^ ]+) \\(= (.+)\\)$")
        set(glibc_source "Its source is Debian's source package ${CMAKE_MATCH_1}, version ${CMAKE_MATCH_2},
  which \"apt-get source ${CMAKE_MATCH_1}=${CMAKE_MATCH_2}\" fetches.")
      endif()
      file(GLOB doc ${tree}/*/share/doc/rusiuoti)
      configure_file(${CPACK_RUSIUOTI_NOTICE} ${doc}/NOTICE @ONLY)
    endif()
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

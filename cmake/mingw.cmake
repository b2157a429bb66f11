# 32-bit Windows console build with Debian's MinGW-w64, run under Wine. A
# machine whose kernel runs no 32-bit programs can run Wine only for 64-bit
# ones: there RUSIUOTI_WINDOWS_CPU=x86_64 builds the same source to test it.
set(RUSIUOTI_WINDOWS_CPU i686 CACHE STRING "i686 (the program shipped) or x86_64")
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${RUSIUOTI_WINDOWS_CPU})
# The win32-thread flavour where it is installed, whichever the plain name
# points to: the posix flavour would link winpthreads in.
find_program(mingw_compiler NAMES ${RUSIUOTI_WINDOWS_CPU}-w64-mingw32-g++-win32 ${RUSIUOTI_WINDOWS_CPU}-w64-mingw32-g++ REQUIRED)
set(CMAKE_CXX_COMPILER ${mingw_compiler})
set(CMAKE_RC_COMPILER ${RUSIUOTI_WINDOWS_CPU}-w64-mingw32-windres)

# Wine keeps its prefix in the build directory and needs no display; the
# overrides stop it offering to install Mono and Gecko. Its messages, the
# pause's prompt among them, are in the C locale's English whatever the
# builder's language. Debian 13's wine64 aborts whenever TMPDIR is set, as
# cram sets it, and its Wine, looking for a Wayland display, complains on
# standard error where XDG_RUNTIME_DIR names no folder.
set(wine wine)
set(wine_arch win32)
if(RUSIUOTI_WINDOWS_CPU STREQUAL "x86_64")
  set(wine /usr/lib/wine/wine64) # the wine script would pick the 32-bit loader
  set(wine_arch win64)
endif()
set(WINE_ENVIRONMENT env -u DISPLAY -u WAYLAND_DISPLAY -u TMPDIR XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR} LC_ALL=C
  WINEARCH=${wine_arch} WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=)
set(CMAKE_CROSSCOMPILING_EMULATOR ${WINE_ENVIRONMENT} ${wine})

# Linux on another architecture, with Debian's cross compiler for the target
# RUSIUOTI_CROSS names (aarch64-linux-gnu, s390x-linux-gnu). The program is
# static, so qemu-user runs it without the target's libraries.
set(CMAKE_SYSTEM_NAME Linux)
string(REGEX REPLACE "-.*" "" CMAKE_SYSTEM_PROCESSOR "${RUSIUOTI_CROSS}")
set(CMAKE_CXX_COMPILER ${RUSIUOTI_CROSS}-g++)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-${CMAKE_SYSTEM_PROCESSOR})
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES RUSIUOTI_CROSS)

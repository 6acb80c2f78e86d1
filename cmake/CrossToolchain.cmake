# Cross builds with Debian's cross compilers and multiarch libraries:
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/CrossToolchain.cmake -DTARNBROOK_ARCH=arm64 ...
# for i386, arm64 or s390x. Foreign programs run through qemu-user, named explicitly, since a
# machine need not start them by itself. i386 programs run directly on an amd64 kernel built with
# 32-bit support, and under qemu-user on one without it.
set(TARNBROOK_ARCH "" CACHE STRING "Debian architecture to build for: i386, arm64 or s390x")
# The compiler checks read this file again in projects of their own.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TARNBROOK_ARCH)

if(TARNBROOK_ARCH STREQUAL "i386")
  set(triple i686-linux-gnu)
  set(multiarch i386-linux-gnu)
  set(CMAKE_SYSTEM_PROCESSOR i686)
  execute_process(COMMAND /lib/ld-linux.so.2 --help RESULT_VARIABLE native OUTPUT_QUIET ERROR_QUIET)
  if(NOT native EQUAL 0)
    set(CMAKE_CROSSCOMPILING_EMULATOR qemu-i386 -L /)
  endif()
elseif(TARNBROOK_ARCH STREQUAL "arm64")
  set(triple aarch64-linux-gnu)
  set(multiarch aarch64-linux-gnu)
  set(CMAKE_SYSTEM_PROCESSOR aarch64)
  set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64 -L /)
elseif(TARNBROOK_ARCH STREQUAL "s390x")
  set(triple s390x-linux-gnu)
  set(multiarch s390x-linux-gnu)
  set(CMAKE_SYSTEM_PROCESSOR s390x)
  set(CMAKE_CROSSCOMPILING_EMULATOR qemu-s390x -L /)
else()
  message(FATAL_ERROR "TARNBROOK_ARCH must be i386, arm64 or s390x, not '${TARNBROOK_ARCH}'")
endif()

set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_C_COMPILER ${triple}-gcc)
set(CMAKE_CXX_COMPILER ${triple}-g++)
set(CMAKE_LIBRARY_ARCHITECTURE ${multiarch})
# Libraries and packages of the target only; programs (cmake, the emulator) of the machine.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)

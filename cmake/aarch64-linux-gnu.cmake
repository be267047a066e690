# Cross-compiles the Linux arm64 program with Debian's g++-aarch64-linux-gnu. The C++ runtime
# and libgcc are linked statically, so that the program needs only the C library (the arm64
# .deb declares libc6). Programs built here run under qemu-user, with the arm64 C library of the
# cross compiler, through tools/qemu_run.sh, the cross-compiling emulator.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)

set(MREZOVNIK_CROSS_TRIPLE aarch64-linux-gnu)
set(CMAKE_C_COMPILER ${MREZOVNIK_CROSS_TRIPLE}-gcc)
set(CMAKE_CXX_COMPILER ${MREZOVNIK_CROSS_TRIPLE}-g++)

set(CMAKE_FIND_ROOT_PATH /usr/${MREZOVNIK_CROSS_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static-libstdc++ -static-libgcc")

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/qemu_run.sh ${CMAKE_BINARY_DIR}/qemu.log
    qemu-aarch64 /usr/${MREZOVNIK_CROSS_TRIPLE})

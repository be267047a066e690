# Static Linux programs, for the .tar.gz archives (MREZOVNIK_STATIC): mrezovnik and
# mrezovnik-diagnose are linked against the static C library of the toolchain (glibc's libc.a,
# which Debian's g++ and g++-aarch64-linux-gnu ship), the C++ runtime and libgcc, so that they
# have no NEEDED entry and no interpreter and start on any Linux kernel, whatever its C library.
# They are plain static executables, not static position-independent ones: g++ links the C++
# runtime for -static-libstdc++ (cmake/aarch64-linux-gnu.cmake) with a -Bdynamic after it,
# which under -static-pie lets the C library in as a shared one, and a static executable at a
# fixed address is also the one that the oldest kernels and emulators load. Neither program
# looks up users, hosts or locales, which glibc cannot do from a static program (the linker
# would warn).
option(MREZOVNIK_STATIC "Link the two programs statically (the Linux .tar.gz archives)" OFF)
if(NOT MREZOVNIK_STATIC)
  return()
endif()
if(NOT CMAKE_SYSTEM_NAME STREQUAL "Linux")
  message(FATAL_ERROR "MREZOVNIK_STATIC is for Linux programs (the Windows ones are always static)")
endif()

foreach(program mrezovnik mrezovnik-diagnose)
  target_link_options(${program} PRIVATE -static)
endforeach()

# The .deb of a cross-built Linux program. dpkg-shlibdeps cannot serve here: it would name the
# cross compiler's own C library package (libc6-arm64-cross), which no target machine has. The
# toolchain links the C++ runtime and libgcc statically (cmake/aarch64-linux-gnu.cmake), so the
# C library is the one shared library that the program needs, and a program linked against
# glibc X runs on every glibc from X on: the package declares libc6 of the version it was
# built against, as that library's own shlibs file does.
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -E -dM -x c++ -include features.h /dev/null
                OUTPUT_VARIABLE predefined RESULT_VARIABLE failed)
string(REGEX MATCH "#define __GLIBC__ ([0-9]+)" major "${predefined}")
set(major ${CMAKE_MATCH_1})
string(REGEX MATCH "#define __GLIBC_MINOR__ ([0-9]+)" minor "${predefined}")
set(minor ${CMAKE_MATCH_1})
if(failed OR major STREQUAL "" OR minor STREQUAL "")
  message(FATAL_ERROR "Cannot tell the glibc version of ${CMAKE_CXX_COMPILER}")
endif()
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6 (>= ${major}.${minor})")

# The Debian name of the target processor.
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(aarch64|arm64)$")
  set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE arm64)
elseif(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE amd64)
else()
  message(FATAL_ERROR "No Debian architecture known for ${CMAKE_SYSTEM_PROCESSOR}")
endif()

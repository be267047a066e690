# The programs that users run, one table: each is added with mrezovnik_program(), which
# builds it, and the global property MREZOVNIK_PROGRAMS lists them in the order added. Every
# listed program goes into bin/ of every package (cmake/packaging.cmake), has a manual page
# man/<name>.1.in (man/CMakeLists.txt), is linked statically for the Linux archives
# (MREZOVNIK_STATIC), and is built for node in the WebAssembly build, so that its end-to-end
# cases run there too. programs.txt in the build folder lists each one's path, a line each, for
# the scripts that check the built programs (.ci/run).
#
# Static Linux programs (MREZOVNIK_STATIC): linked against the static C library of the
# toolchain (glibc's libc.a, which Debian's g++ and g++-aarch64-linux-gnu ship), the C++
# runtime and libgcc, so that they have no NEEDED entry and no interpreter and start on any
# Linux kernel, whatever its C library. They are plain static executables, not static
# position-independent ones: g++ links the C++ runtime for -static-libstdc++
# (cmake/aarch64-linux-gnu.cmake) with a -Bdynamic after it, which under -static-pie lets the C
# library in as a shared one, and a static executable at a fixed address is also the one that
# the oldest kernels and emulators load. No program looks up users, hosts or locales, which
# glibc cannot do from a static program (the linker would warn).
option(MREZOVNIK_STATIC "Link the programs statically (the Linux .tar.gz archives)" OFF)
if(MREZOVNIK_STATIC AND NOT CMAKE_SYSTEM_NAME STREQUAL "Linux")
  message(FATAL_ERROR "MREZOVNIK_STATIC is for Linux programs (the Windows ones are always static)")
endif()

# Adds the program `name`, made of SOURCES and linked to LIBRARIES, to the table of programs.
function(mrezovnik_program name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES})
  if(MREZOVNIK_STATIC)
    target_link_options(${name} PRIVATE -static)
  endif()
  if(EMSCRIPTEN)
    # For node, on the real file system, so that the end-to-end cases run the program
    # unchanged through the cross-compiling emulator; node_streams.js lets it read and write
    # pipes. The file system is kept even in a program that opens no file (mrezovnik-gen), so
    # that its standard output is node's own, written as it stands rather than line by line
    # through the console.
    target_link_options(${name} PRIVATE
      -sNODERAWFS=1 -sFORCE_FILESYSTEM=1 -sALLOW_MEMORY_GROWTH=1 -sMAXIMUM_MEMORY=4GB
      -sEXIT_RUNTIME=1 -sWASM_ASYNC_COMPILATION=0
      --pre-js ${PROJECT_SOURCE_DIR}/cmake/node_streams.js)
    set_property(TARGET ${name} APPEND PROPERTY LINK_DEPENDS
                 ${PROJECT_SOURCE_DIR}/cmake/node_streams.js)
  endif()
  set_property(GLOBAL APPEND PROPERTY MREZOVNIK_PROGRAMS ${name})
endfunction()

# Writes programs.txt: the path of each program, once all have been added.
function(mrezovnik_list_programs)
  get_property(programs GLOBAL PROPERTY MREZOVNIK_PROGRAMS)
  set(paths "")
  foreach(program IN LISTS programs)
    string(APPEND paths "$<TARGET_FILE:${program}>\n")
  endforeach()
  file(GENERATE OUTPUT ${PROJECT_BINARY_DIR}/programs.txt CONTENT "${paths}")
endfunction()

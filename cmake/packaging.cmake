# Installation and packages. `cmake --install` puts the programs in bin/, the README and
# the examples in share/doc/mrezovnik/ and the viewer in share/mrezovnik/; man/ adds the
# manual pages and packaging/ the licence and the changelog. CPack packs the same tree: on
# Linux (x86-64 or arm64) a .deb with dynamic programs, or a .tar.gz with static ones from a
# build with MREZOVNIK_STATIC (cmake/programs.cmake); a .zip for Windows; each
# reproducible (packaging/after_packing.cmake).
include(GNUInstallDirs)

# The examples as this platform's program is checked against them: on Windows the expected
# reports (report-*.txt) and diagnoses (diagnosis-*.json) get the CR LF line ends that the
# programs write there.
if(WIN32)
  set(MREZOVNIK_EXAMPLES_DIR ${PROJECT_BINARY_DIR}/examples-windows)
  file(GLOB example_files ${PROJECT_SOURCE_DIR}/examples/*)
  foreach(example IN LISTS example_files)
    get_filename_component(name ${example} NAME)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${example})
    if(name MATCHES "^(report|diagnosis)-")
      file(READ ${example} text)
      string(REPLACE "\n" "\r\n" text "${text}")
      file(WRITE ${MREZOVNIK_EXAMPLES_DIR}/${name} "${text}")
    else()
      configure_file(${example} ${MREZOVNIK_EXAMPLES_DIR}/${name} COPYONLY)
    endif()
  endforeach()
else()
  set(MREZOVNIK_EXAMPLES_DIR ${PROJECT_SOURCE_DIR}/examples)
endif()

# Folders get the same mode wherever the packages are built, whatever the umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
get_property(programs GLOBAL PROPERTY MREZOVNIK_PROGRAMS)
install(TARGETS ${programs} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(DIRECTORY ${MREZOVNIK_EXAMPLES_DIR}/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples)
include(${CMAKE_CURRENT_LIST_DIR}/viewer_page.cmake)

set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Mrezovnik developers")
set(CPACK_PACKAGE_CONTACT "Mrezovnik developers <mrezovnik@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Evaluator of the grid-colouring contest task Mrezovje")
# The extended description, in lines that a package manager shows as they are.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
       "mrezovnik judges a contestant's submission for the contest task Mrezovje"
       "against the organisers' input file, and writes a report: the near-pair"
       "count of each submitted grid, or the first failed check with its number"
       "and message. The package also holds the manual, the bundled examples with"
       "the reports that they must give, and the grid viewer for a browser.")
set(CPACK_RESOURCE_FILE_README ${PROJECT_SOURCE_DIR}/README.md)
set(CPACK_STRIP_FILES ON)
if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_SYSTEM_NAME windows-x86_64)
  find_program(MREZOVNIK_ZIP zip REQUIRED)
else()
  # The .deb is linked as Debian wants it, dynamically; the .tar.gz, for any Linux, statically.
  if(MREZOVNIK_STATIC)
    set(CPACK_GENERATOR TGZ)
  else()
    set(CPACK_GENERATOR DEB)
  endif()
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION misc)
  set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
  if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
    # The .tar.gz names the processor as the .zip does (the .deb names its Debian architecture).
    if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(aarch64|arm64)$")
      set(CPACK_SYSTEM_NAME linux-arm64)
    else()
      set(CPACK_SYSTEM_NAME linux-${CMAKE_SYSTEM_PROCESSOR})
    endif()
  endif()
  if(CMAKE_CROSSCOMPILING AND CMAKE_SYSTEM_NAME STREQUAL "Linux")
    include(${CMAKE_CURRENT_LIST_DIR}/cross-deb.cmake)
  else()
    # The library versions that the program needs, as dpkg-shlibdeps finds them.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  endif()
endif()
# Reproducible packages: the time stamps, and archives packed again in a fixed order.
set(CPACK_MREZOVNIK_SOURCE_DATE_EPOCH "${MREZOVNIK_SOURCE_DATE_EPOCH}")
set(CPACK_MREZOVNIK_REPACK ${PROJECT_SOURCE_DIR}/packaging/repack.sh)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/packaging/cpack_options.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/packaging/after_packing.cmake)
include(CPack)

# The dist preset also builds the Linux .tar.gz of this machine's processor with static
# programs, and cross-builds the Windows and the Linux arm64 programs (the arm64 .deb, and the
# .tar.gz with static programs), each in a build folder of its own, and packs them beside the
# .deb of this machine.
option(MREZOVNIK_DIST_WINDOWS "Also build the Windows .zip (cross-built with mingw-w64)" OFF)
option(MREZOVNIK_DIST_ARM64 "Also build the Linux arm64 .deb (cross-built)" OFF)
option(MREZOVNIK_DIST_ARCHIVES
       "Also build the Linux .tar.gz with static programs (and arm64's, with MREZOVNIK_DIST_ARM64)" OFF)
set(MREZOVNIK_PACKAGE_DIR ${PROJECT_BINARY_DIR}/packages CACHE PATH "Where the packages go")

# Builds this project into the build folder `name`, configured with the further arguments given
# (a toolchain file, MREZOVNIK_STATIC), and packs it into MREZOVNIK_PACKAGE_DIR.
function(mrezovnik_dist_packages name)
  include(ExternalProject)
  ExternalProject_Add(${name}-packages
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${PROJECT_BINARY_DIR}/${name}
    CMAKE_ARGS ${ARGN}
               -DCMAKE_BUILD_TYPE=Release -DMREZOVNIK_WERROR=${MREZOVNIK_WERROR}
               -DMREZOVNIK_TESTS=OFF -DMREZOVNIK_VIEWER_PAGE=${MREZOVNIK_PACKAGED_VIEWER}
    INSTALL_COMMAND ${CMAKE_CPACK_COMMAND} --config <BINARY_DIR>/CPackConfig.cmake
                    -B ${MREZOVNIK_PACKAGE_DIR}
    DEPENDS ${MREZOVNIK_VIEWER_TARGET}
    BUILD_ALWAYS ON
    USES_TERMINAL_BUILD ON)
endfunction()

set(arm64_toolchain -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/aarch64-linux-gnu.cmake)
if(MREZOVNIK_DIST_WINDOWS)
  mrezovnik_dist_packages(windows
    -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/mingw-w64.cmake)
endif()
if(MREZOVNIK_DIST_ARM64)
  mrezovnik_dist_packages(linux-arm64 ${arm64_toolchain})
endif()
if(MREZOVNIK_DIST_ARCHIVES)
  if(CMAKE_CROSSCOMPILING OR NOT CMAKE_SYSTEM_NAME STREQUAL "Linux")
    message(FATAL_ERROR "MREZOVNIK_DIST_ARCHIVES is for a native Linux build")
  endif()
  mrezovnik_dist_packages(${CPACK_SYSTEM_NAME}-static -DMREZOVNIK_STATIC=ON
    -DCMAKE_CXX_COMPILER=${CMAKE_CXX_COMPILER})
  if(MREZOVNIK_DIST_ARM64)
    mrezovnik_dist_packages(linux-arm64-static ${arm64_toolchain} -DMREZOVNIK_STATIC=ON)
  endif()
endif()

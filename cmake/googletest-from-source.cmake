# GoogleTest for a cross build: Debian's googletest package holds only libraries for the build
# machine, so its sources (/usr/src/googletest) are built here for the target.
set(MREZOVNIK_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources for a cross build")
if(NOT EXISTS ${MREZOVNIK_GOOGLETEST_SOURCE}/CMakeLists.txt)
  message(FATAL_ERROR "No GoogleTest sources in ${MREZOVNIK_GOOGLETEST_SOURCE} (Debian package googletest)")
endif()
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${MREZOVNIK_GOOGLETEST_SOURCE} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# Foreign code: built without this project's warning flags.
set_property(TARGET gtest gtest_main PROPERTY COMPILE_OPTIONS -w)
if(NOT TARGET GTest::gtest_main)
  add_library(GTest::gtest_main ALIAS gtest_main)
endif()

# The release: its version is set once, in project(); CHANGELOG.md must begin with its entry,
# whose date the manual and the Debian changelog carry. Also the time stamp of everything that
# the packages hold: SOURCE_DATE_EPOCH when it is set, otherwise the time of the commit built.

# The first entry of CHANGELOG.md: "## <version> (<yyyy>-<mm>-<dd>)".
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/CHANGELOG.md)
file(STRINGS ${PROJECT_SOURCE_DIR}/CHANGELOG.md release_headings REGEX "^## ")
list(GET release_headings 0 latest_heading)
if(NOT latest_heading MATCHES "^## ([^ ]+) \\(([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9])\\)$")
  message(FATAL_ERROR "CHANGELOG.md: \"${latest_heading}\" is not "
                      "\"## <version> (<yyyy>-<mm>-<dd>)\"")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "CHANGELOG.md begins with version ${CMAKE_MATCH_1}, but project() says "
                      "${PROJECT_VERSION}: add the entry of this release")
endif()
set(MREZOVNIK_RELEASE_DATE ${CMAKE_MATCH_2})

# Seconds since 1970 (UTC) for the packages' time stamps.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(MREZOVNIK_SOURCE_DATE_EPOCH $ENV{SOURCE_DATE_EPOCH})
else()
  find_package(Git QUIET)
  if(GIT_FOUND)
    execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE MREZOVNIK_SOURCE_DATE_EPOCH
                    OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  endif()
endif()
if(NOT MREZOVNIK_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
  set(MREZOVNIK_SOURCE_DATE_EPOCH "")
  message(STATUS "Neither SOURCE_DATE_EPOCH nor a git commit: the packages will carry the "
                 "times at which they are made, and two builds will differ")
endif()

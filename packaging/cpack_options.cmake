# Read by CPack before each generator runs. CPack takes the time stamps of what it packs (file
# times in the archives, gzip headers, the .deb's ar headers) from SOURCE_DATE_EPOCH: unless the
# caller set it, it is the time of the commit built, found at configure time.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH} AND NOT CPACK_MREZOVNIK_SOURCE_DATE_EPOCH STREQUAL "")
  set(ENV{SOURCE_DATE_EPOCH} ${CPACK_MREZOVNIK_SOURCE_DATE_EPOCH})
endif()

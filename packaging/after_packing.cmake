# Run by CPack after each generator. CPack writes the .deb in a fixed order, with owner root and
# the time stamps of SOURCE_DATE_EPOCH, but a .tar.gz or a .zip lists its files in the order in
# which the file system returns them, with their owners (and, in a .zip, local times and extra
# fields): repack.sh packs those again. Then SHA256SUMS beside the packages lists the sums of
# every package of this version.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(package MATCHES "\\.(tar\\.gz|zip)$")
    if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
      message(FATAL_ERROR "No SOURCE_DATE_EPOCH and no git commit: ${package} cannot be made "
                          "reproducible")
    endif()
    execute_process(COMMAND bash ${CPACK_MREZOVNIK_REPACK} ${CMAKE_COMMAND} ${package}
                    COMMAND_ERROR_IS_FATAL ANY)
  endif()
endforeach()

# The packages of this version: those just made (not yet copied beside the others), and those
# that earlier runs of CPack put there.
set(package_paths "")
file(GLOB earlier ${CPACK_PACKAGE_DIRECTORY}/${CPACK_PACKAGE_NAME}[-_]${CPACK_PACKAGE_VERSION}[-_]*)
foreach(package IN LISTS CPACK_PACKAGE_FILES earlier)
  get_filename_component(name ${package} NAME)
  if(name MATCHES "\\.(deb|tar\\.gz|zip)$" AND NOT DEFINED path_of_${name})
    set(path_of_${name} ${package})
    list(APPEND package_paths ${name})
  endif()
endforeach()
list(SORT package_paths)
set(sums "")
foreach(name IN LISTS package_paths)
  file(SHA256 ${path_of_${name}} sum)
  string(APPEND sums "${sum}  ${name}\n")
endforeach()
file(WRITE ${CPACK_PACKAGE_DIRECTORY}/SHA256SUMS "${sums}")

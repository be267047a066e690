# The browser viewer in the packages: the one-file page that the wasm build makes from web/
# (as viewer/index.html of its build folder), installed as share/mrezovnik/viewer.html. A packaging build
# (MREZOVNIK_VIEWER, as in the dist preset) makes it with emscripten in a build folder of its
# own, wasm/; where emscripten, node or npm (which installs the page's bundler) is missing,
# the packages are made without it, and the configure step says so, unless
# MREZOVNIK_REQUIRE_VIEWER asks for it (as CI does). A build
# that packs a page made elsewhere (the Windows .zip) is given it in MREZOVNIK_VIEWER_PAGE.
option(MREZOVNIK_VIEWER "Build the browser viewer with emscripten and put it into the packages" OFF)
option(MREZOVNIK_REQUIRE_VIEWER "Stop when the viewer cannot be built for the packages" OFF)
set(MREZOVNIK_VIEWER_PAGE "" CACHE FILEPATH "A viewer page built elsewhere, to install as it is")
set(MREZOVNIK_EMSCRIPTEN_TOOLCHAIN /usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake
    CACHE FILEPATH "emscripten's CMake toolchain file, for the viewer")
set(MREZOVNIK_NODE_PATH /usr/share/nodejs
    CACHE PATH "Where node finds the modules that emscripten's tools load (NODE_PATH)")

# The page that the packages get ("" for none), and the target that makes it ("" for none).
set(MREZOVNIK_PACKAGED_VIEWER "${MREZOVNIK_VIEWER_PAGE}")
set(MREZOVNIK_VIEWER_TARGET "")
if(MREZOVNIK_VIEWER AND NOT MREZOVNIK_VIEWER_PAGE)
  find_program(MREZOVNIK_EMCC emcc)
  find_program(MREZOVNIK_NODE NAMES node nodejs)
  find_program(MREZOVNIK_NPM npm)
  if(MREZOVNIK_EMCC AND MREZOVNIK_NODE AND MREZOVNIK_NPM AND EXISTS ${MREZOVNIK_EMSCRIPTEN_TOOLCHAIN})
    include(ExternalProject)
    set(MREZOVNIK_PACKAGED_VIEWER ${PROJECT_BINARY_DIR}/wasm/viewer/index.html)
    set(MREZOVNIK_VIEWER_TARGET viewer-page)
    ExternalProject_Add(viewer-page
      SOURCE_DIR ${PROJECT_SOURCE_DIR}
      BINARY_DIR ${PROJECT_BINARY_DIR}/wasm
      CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${MREZOVNIK_EMSCRIPTEN_TOOLCHAIN}
                 -DCMAKE_BUILD_TYPE=Release -DMREZOVNIK_WERROR=${MREZOVNIK_WERROR}
                 -DMREZOVNIK_TESTS=OFF
      BUILD_COMMAND ${CMAKE_COMMAND} -E env NODE_PATH=${MREZOVNIK_NODE_PATH}
                    ${CMAKE_COMMAND} --build <BINARY_DIR> --target viewer_page
      BUILD_BYPRODUCTS ${MREZOVNIK_PACKAGED_VIEWER}
      INSTALL_COMMAND ""
      BUILD_ALWAYS ON
      USES_TERMINAL_BUILD ON)
  elseif(MREZOVNIK_REQUIRE_VIEWER)
    message(FATAL_ERROR "The viewer cannot be built: it needs emscripten (emcc, and "
                        "${MREZOVNIK_EMSCRIPTEN_TOOLCHAIN}), node and npm")
  else()
    message(WARNING "The packages are made WITHOUT the browser viewer: it needs emscripten "
                    "(emcc, and ${MREZOVNIK_EMSCRIPTEN_TOOLCHAIN}), node and npm, which this "
                    "machine lacks (Debian packages emscripten, nodejs and npm)")
  endif()
elseif(MREZOVNIK_REQUIRE_VIEWER AND NOT MREZOVNIK_VIEWER_PAGE)
  message(FATAL_ERROR "MREZOVNIK_REQUIRE_VIEWER needs MREZOVNIK_VIEWER")
endif()

if(MREZOVNIK_PACKAGED_VIEWER)
  install(FILES ${MREZOVNIK_PACKAGED_VIEWER} DESTINATION ${CMAKE_INSTALL_DATADIR}/${PROJECT_NAME}
          RENAME viewer.html)
endif()

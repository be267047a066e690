# WebAssembly builds with emscripten (the `wasm` preset). Every failed check is an
# exception, and emscripten turns exceptions off unless asked.
add_compile_options(-fexceptions)
add_link_options(-fexceptions)
# The GoogleTest of the machine is native only: the wasm build runs the end-to-end cases.
set(MREZOVNIK_UNIT_TESTS OFF)
# The grid check's row loops vectorise with wasm SIMD, which node and current browsers run.
add_compile_options(-msimd128)

# The AVX2 path in a Windows program built by GCC. The Windows ABI aligns the stack to 16
# bytes and GCC does not realign it there, so a 256-bit register spilled to the stack may sit at
# an address that is no multiple of 32, where an aligned move (vmovdqa, vmovaps, vmovapd)
# faults. Debian's GCC 12 happens to spill with unaligned moves, but nothing promises that of
# another version, option or function. Having the assembler encode every aligned vector move
# as an unaligned one holds for every spill, whatever the compiler chose, and costs nothing on
# an address that is aligned after all. (clang realigns the stack instead, but Debian's clang
# finds the mingw-w64 C++ library only through paths given by hand, and it would be a second
# compiler and warning set for Windows alone.) `.ci/run` checks that mrezovnik.exe holds no
# aligned vector move. Without an assembler that takes the flag (binutils 2.38 and newer do),
# the program runs the portable path alone.
include(CheckCXXCompilerFlag)
check_cxx_compiler_flag(-Wa,-muse-unaligned-vector-move MREZOVNIK_ASSEMBLER_UNALIGNS_VECTOR_MOVES)
if(MREZOVNIK_ASSEMBLER_UNALIGNS_VECTOR_MOVES)
  add_compile_options(-Wa,-muse-unaligned-vector-move)
  # codepath/code_path.h builds the AVX2 path on Windows only under this promise.
  add_compile_definitions(MREZOVNIK_UNALIGNED_VECTOR_MOVES=1)
else()
  message(WARNING "The assembler does not take -muse-unaligned-vector-move: "
                  "the Windows program gets the portable path alone")
endif()

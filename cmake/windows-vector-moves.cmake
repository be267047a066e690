# The AVX2 path in a Windows program built by GCC. The Windows ABI aligns the stack to 16
# bytes, and GCC there does not realign it for 32-byte locals, yet spills 256-bit registers
# with aligned moves (vmovdqa, vmovaps, vmovapd), which fault on a stack slot that is not
# 32-byte aligned. Having the assembler encode every aligned vector move as an unaligned one
# holds for every spill that any compiler version puts anywhere, today's and later ones, and
# costs nothing on an address that happens to be aligned. (clang realigns the stack instead,
# but would be a second compiler, runtime and warning set for Windows alone.) `.ci/run` checks
# that mrezovnik.exe holds no aligned vector move. Without an assembler that takes the flag
# (binutils 2.38 and newer do), the program runs the portable path alone.
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

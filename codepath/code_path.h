#pragma once

#include <vector>

/// The machine code that the input packing and the grid check run: the same source, built
/// for the baseline processor or for a wider vector unit that is chosen only where the
/// processor has it.
enum class CodePath {
  /// Baseline instructions; runs everywhere.
  Portable,
  /// 256-bit vector instructions and bit deposit/extract (x86-64 with AVX2 and BMI2).
  Avx2,
};

// The AVX2 path is built where the compiler can build a function for AVX2 and the program
// can ask the processor for it. On Windows, whose ABI aligns the stack to 16 bytes only, a
// 256-bit spill must not use a move that needs 32: there it is built only when the build
// assembles every vector move as an unaligned one and says so by defining
// MREZOVNIK_UNALIGNED_VECTOR_MOVES (cmake/windows-vector-moves.cmake). A build may also leave
// it out by defining MREZOVNIK_AVX2_PATH as 0, to time the portable path alone.
#ifndef MREZOVNIK_AVX2_PATH
#if defined(__x86_64__) && defined(__GNUC__) && \
    (!defined(_WIN32) || defined(MREZOVNIK_UNALIGNED_VECTOR_MOVES))
#define MREZOVNIK_AVX2_PATH 1
#else
#define MREZOVNIK_AVX2_PATH 0
#endif
#endif

// Marks the loops that are inlined into each path's entry, so that each is built for that
// path.
#if defined(__GNUC__)
#define MREZOVNIK_PATH_INLINE [[gnu::always_inline]] inline
#else
#define MREZOVNIK_PATH_INLINE inline
#endif

/// Whether this machine can run a path.
bool canRunCodePath(CodePath path);

/// Whether work asked for on `path` runs the AVX2 loops: the path is AVX2 and this machine can
/// run it (any other request runs the portable loops).
inline bool runsAvx2Loops(CodePath path) { return path == CodePath::Avx2 && canRunCodePath(path); }

/// The paths that this machine can run, the portable one first.
std::vector<CodePath> availableCodePaths();

/// The fastest path that this machine can run.
CodePath fastestCodePath();

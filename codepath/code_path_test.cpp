#include "codepath/code_path.h"

#include <gtest/gtest.h>

#include <iostream>
#include <vector>

#if defined(__x86_64__)
#include <cpuid.h>
#endif

namespace {

/// Whether the processor has AVX2 and BMI2 and the system saves the 256-bit registers, asked
/// of the processor itself rather than through the compiler's runtime that the program asks.
bool processorRunsAvx2() {
#if defined(__x86_64__)
  unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
  if (__get_cpuid(1, &eax, &ebx, &ecx, &edx) == 0) return false;
  if ((ecx & bit_OSXSAVE) == 0 || (ecx & bit_AVX) == 0) return false;
  unsigned savedLow = 0, savedHigh = 0;
  asm("xgetbv" : "=a"(savedLow), "=d"(savedHigh) : "c"(0));
  const unsigned vectorState = 0x6;  // the XMM and YMM register state
  if ((savedLow & vectorState) != vectorState) return false;
  if (__get_cpuid_count(7, 0, &eax, &ebx, &ecx, &edx) == 0) return false;
  return (ebx & bit_AVX2) != 0 && (ebx & bit_BMI2) != 0;
#else
  return false;
#endif
}

/// A path's name, for the log.
const char* nameOf(CodePath path) { return path == CodePath::Avx2 ? "avx2" : "portable"; }

// The program must take the AVX2 path wherever it is built and the processor runs it (under
// wine and qemu too), and never elsewhere. The log names the paths of this machine.
TEST(CodePath, Avx2IsTakenExactlyWhereBuiltAndTheProcessorRunsIt) {
  const bool expected = MREZOVNIK_AVX2_PATH != 0 && processorRunsAvx2();
  EXPECT_EQ(canRunCodePath(CodePath::Avx2), expected);
  EXPECT_EQ(fastestCodePath(), expected ? CodePath::Avx2 : CodePath::Portable);
  EXPECT_TRUE(canRunCodePath(CodePath::Portable));
  std::cout << "code paths run here:";
  for (const CodePath path : availableCodePaths()) std::cout << ' ' << nameOf(path);
  std::cout << "; the evaluator takes " << nameOf(fastestCodePath()) << '\n';
}

}  // namespace

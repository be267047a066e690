#include "codepath/code_path.h"

bool canRunCodePath(CodePath path) {
  switch (path) {
    case CodePath::Portable:
      return true;
    case CodePath::Avx2:
#if MREZOVNIK_AVX2_PATH
      return __builtin_cpu_supports("avx2") != 0 && __builtin_cpu_supports("bmi2") != 0;
#else
      return false;
#endif
  }
  return false;
}

std::vector<CodePath> availableCodePaths() {
  std::vector<CodePath> paths;
  for (const CodePath path : {CodePath::Portable, CodePath::Avx2}) {
    if (canRunCodePath(path)) paths.push_back(path);
  }
  return paths;
}

CodePath fastestCodePath() {
  return canRunCodePath(CodePath::Avx2) ? CodePath::Avx2 : CodePath::Portable;
}

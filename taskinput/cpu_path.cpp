#include "taskinput/cpu_path.h"

bool canRunCountingPath(CountingPath path) {
  switch (path) {
    case CountingPath::Portable:
      return true;
    case CountingPath::Avx2:
#if MREZOVNIK_AVX2_PATH
      return __builtin_cpu_supports("avx2") != 0 && __builtin_cpu_supports("bmi2") != 0;
#else
      return false;
#endif
  }
  return false;
}

std::vector<CountingPath> availableCountingPaths() {
  std::vector<CountingPath> paths;
  for (const CountingPath path : {CountingPath::Portable, CountingPath::Avx2}) {
    if (canRunCountingPath(path)) paths.push_back(path);
  }
  return paths;
}

CountingPath fastestCountingPath() {
  return canRunCountingPath(CountingPath::Avx2) ? CountingPath::Avx2 : CountingPath::Portable;
}

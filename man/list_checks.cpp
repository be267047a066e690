// list_checks: prints the number of every check in the table of checks, one a line, for the
// test that compares the manual's list of checks with it.
#include <cstdio>

#include "textio/checks.h"

int main() {
  for (const CheckEntry& entry : AllChecks) std::printf("%d\n", checkNumber(entry.check));
  return 0;
}

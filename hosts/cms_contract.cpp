#include <cstdio>

#include "hosts/host_contracts.h"

int tellCms(const Judgement& judgement) {
  switch (judgement.verdict) {
    case Verdict::Accepted:
      std::printf("%s\n", judgement.scoreText(false).c_str());
      std::fprintf(stderr, "translate:success\nADMIN_MESSAGE: %s\n",
                   judgement.blockLines(" ").c_str());
      break;
    case Verdict::WrongAnswer:
      std::fputs("0.0\n", stdout);
      std::fprintf(stderr, "%s\n", judgement.message.c_str());
      break;
    case Verdict::JudgeError:
      std::fprintf(stderr, "mrezovnik-judge: %s\n", judgement.message.c_str());
      return entryOf(Host::Cms).judgeErrorExit;
  }
  return std::fflush(stdout) == 0 && std::ferror(stdout) == 0 ? 0 : 1;
}

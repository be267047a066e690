#pragma once

#include <string>

#include "hosts/judge_call.h"
#include "hosts/judgement.h"

// Each contest system's checker contract: how a judgement reaches it, and the exit code that it
// reads. Only the judge's own failures exit with the host's judge-error code.

/// CMS: the score on standard output, the contestant's message on standard error's first line
/// and the per-block counts on an ADMIN_MESSAGE line; exit 0 for any verdict.
int tellCms(const Judgement& judgement);

/// The ICPC problem package format: exit 42 with score.txt, or 43; teammessage.txt and
/// judgemessage.txt in `feedbackDir` (with or without its trailing separator).
int tellIcpc(const Judgement& judgement, const std::string& feedbackDir);

/// testlib: exit 7 with "points <score>", 1 with "wrong answer ...", or 3 with "FAIL ..." on
/// standard error; the same in testlib's form in the report file, when the call names one.
int tellTestlib(const Judgement& judgement, const JudgeCall& call);

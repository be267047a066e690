#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "textio/assertion.h"

/// A failed check as a test compares it: check number and message.
using Failure = std::pair<int32_t, std::string>;

/// The check that `action` fails, or {0, "<no failure>"} when it passes.
template <class Action>
Failure failureOf(Action&& action) {
  try {
    action();
  } catch (const EAssertion& failure) {
    return {failure.line, failure.message};
  }
  return {0, "<no failure>"};
}

#pragma once

#include <string>
#include <string_view>

// The options of the programs' command lines that take a value, as "--name value" or
// "--name=value".

/// Reads the option at `argv[k]` and hands its name and value to `take`, which returns what is
/// wrong with them or ""; a value given as the next argument moves `k` past it. Returns what is
/// wrong: `take`'s answer, or that the option has no value.
template <class Take>
std::string takeOptionValue(int argc, const char* const* argv, int& k, Take&& take) {
  const std::string_view argument = argv[k];
  const std::size_t equals = argument.find('=');
  if (equals != std::string_view::npos) {
    return take(argument.substr(0, equals), argument.substr(equals + 1));
  }
  if (k + 1 < argc) return take(argument, std::string_view(argv[++k]));
  return std::string(argument) + " needs a value";
}

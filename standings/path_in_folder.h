#pragma once

#include <string>
#include <string_view>

/// The path of the file `name` in `folder`, as the standings name it in their files and
/// messages: the folder's path as named, a slash (which every platform takes) unless that path
/// ends with a separator, and the name; the same text on every platform.
std::string pathInFolder(const std::string& folder, std::string_view name);

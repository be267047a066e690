#pragma once

#include <string>
#include <string_view>

// standings.html: one self-contained page (its styles and scripts inline, nothing fetched)
// that opens from disk, made at build time from standings/page/ and filled here with the
// document of standings.json.

/// The page with `json` in its data block: each '<' of it, which JSON has only inside
/// strings, written as \u003c, so that no text can end the block.
std::string standingsPage(std::string_view json);

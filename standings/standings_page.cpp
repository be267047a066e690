#include "standings/standings_page.h"

#include "standings/page_template.h"

namespace {

/// Where the template takes the data.
constexpr std::string_view DataMarker = "<!-- standings:data -->";

}  // namespace

std::string standingsPage(std::string_view json) {
  const std::size_t marker = StandingsPageTemplate.find(DataMarker);
  std::string page(StandingsPageTemplate.substr(0, marker));
  page.reserve(StandingsPageTemplate.size() + json.size() + json.size() / 16);
  for (const char byte : json) {
    if (byte == '<') {
      page += "\\u003c";
    } else {
      page += byte;
    }
  }
  page += StandingsPageTemplate.substr(marker + DataMarker.size());
  return page;
}

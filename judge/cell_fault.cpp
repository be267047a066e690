#include "judge/cell_fault.h"

#include <numeric>

#include "grid/cells.h"
#include "textio/message.h"

namespace {

/// The colour word that the messages use for a cell character.
const char* colourWord(char cell) {
  return cell == WhiteCell ? "belo" : cell == BlackCell ? "crno" : "rdece";
}

}  // namespace

std::optional<FaultKind> comparisonFault(char in, char out) {
  if (out != RedCell && out != BlackCell && out != WhiteCell) return FaultKind::InvalidCell;
  if (in == RedCell && out != RedCell) return FaultKind::RedChanged;
  if (in == BlackCell && out != BlackCell) return FaultKind::BlackChanged;
  if (in == WhiteCell && out == RedCell) return FaultKind::WhiteToRed;
  return std::nullopt;
}

std::string faultMessage(const CellFault& fault, const TestCase& testCase) {
  std::string place =
      composeMessage(fault.column + 1, ". polje v ", fault.row + 1, ". vrstici je ");
  const char out = static_cast<char>(fault.detail);
  switch (fault.kind) {
    case FaultKind::InvalidCell:
      return composeMessage(place, "neveljaven znak (koda ", byteCode(out),
                            "), ki ni niti R niti # niti pika");
    case FaultKind::RedChanged:
      return composeMessage(place, "v vhodni mrezi rdece, v izhodni pa ", colourWord(out));
    case FaultKind::BlackChanged:
      return composeMessage(place, "v vhodni mrezi crno, v izhodni pa ", colourWord(out));
    case FaultKind::WhiteToRed:
      return composeMessage(place, "v vhodni mrezi belo, v izhodni pa rdece");
    case FaultKind::TooFewWhite:
      return composeMessage(place, "crno in ima ", fault.detail,
                            " bliznjih belih polj, kar je manj kot b = ", testCase.b);
    case FaultKind::TooManyBlack:
      return composeMessage(place, "crno in ima ", fault.detail,
                            " bliznjih crnih polj, kar je vec kot c = ", testCase.c);
  }
  return place;
}

void FaultList::append(const FaultList& later) {
  for (std::size_t kind = 0; kind < counts_.size(); ++kind) counts_[kind] += later.counts_[kind];
  for (const CellFault& fault : later.kept_) {
    if (kept_.size() >= limit_) break;
    kept_.push_back(fault);
  }
}

int64_t FaultList::total() const {
  return std::accumulate(counts_.begin(), counts_.end(), int64_t{0});
}

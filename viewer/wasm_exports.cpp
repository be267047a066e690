// The functions that the viewer's worker calls beside the evaluator: the diagnosis of every
// block, a few blocks a call, the test cases, the shown block's cells, faults and
// neighbourhood counts, and the merge of the loaded submissions, all from the judge's own
// readers and checks. Positions, offsets and counts that may pass 2^31 are handed over as
// doubles, which hold them exactly.
#ifdef __EMSCRIPTEN__
#include <emscripten/emscripten.h>
#else
// A native build compiles the exports only for the static checks.
#define EMSCRIPTEN_KEEPALIVE
#endif

#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "evaluation/score.h"
#include "grid/cells.h"
#include "grid/test_case.h"
#include "judge/cell_fault.h"
#include "viewer/viewer_merge.h"
#include "viewer/viewer_session.h"

namespace {

/// Kept block k's summary.
const BlockSummary& keptBlock(const ViewerSession* session, int32_t k) {
  return session->summary().kept().at(static_cast<std::size_t>(k));
}

/// The shown block's kept fault f.
const CellFault& shownFault(const ViewerSession* session, int32_t f) {
  return session->shown().diagnosis.grid.faults.kept().at(static_cast<std::size_t>(f));
}

/// The shown block's test case.
const TestCase& shownTestCase(const ViewerSession* session) {
  return *session->shown().block.testCase;
}

/// The lines of a text, one path a line.
std::vector<std::string> pathLines(const char* text) {
  std::vector<std::string> paths;
  std::istringstream lines(text);
  for (std::string path; std::getline(lines, path);) paths.push_back(path);
  return paths;
}

}  // namespace

extern "C" {

/// A new session with nothing diagnosed; null when out of memory. The page's module holds one
/// session per loaded submission, each until viewerSessionDestroy.
EMSCRIPTEN_KEEPALIVE ViewerSession* viewerSessionCreate() {
  try {
    return new ViewerSession();
  } catch (...) {
    return nullptr;
  }
}

/// Ends a session made by viewerSessionCreate.
EMSCRIPTEN_KEEPALIVE void viewerSessionDestroy(ViewerSession* session) { delete session; }

/// Opens the input file for viewerDiagnose, or takes the test cases of the session
/// `sameInput` (null for none) that read it and opens the submission; 0 when out of memory.
EMSCRIPTEN_KEEPALIVE int32_t viewerStart(ViewerSession* session, const char* inputPath,
                                         const char* submissionPath,
                                         const ViewerSession* sameInput) {
  try {
    session->start(inputPath, submissionPath, sameInput);
    return 1;
  } catch (...) {
    return 0;
  }
}

/// Takes up to `steps` more steps, each a test case of the input file while it is read, then
/// a block: 1 while steps remain, 0 once the diagnosis is over, -1 when out of memory.
EMSCRIPTEN_KEEPALIVE int32_t viewerDiagnose(ViewerSession* session, int32_t steps) {
  try {
    return session->diagnose(steps) ? 1 : 0;
  } catch (...) {
    return -1;
  }
}

/// 1 while the input file is being read, else 0.
EMSCRIPTEN_KEEPALIVE int32_t viewerReadingInput(const ViewerSession* session) {
  return session->readingInput() ? 1 : 0;
}

/// Test case k's n (k from 0).
EMSCRIPTEN_KEEPALIVE int32_t viewerTestCaseN(const ViewerSession* session, int32_t k) {
  return session->testCases().at(k).n;
}

/// Test case k's d.
EMSCRIPTEN_KEEPALIVE int32_t viewerTestCaseD(const ViewerSession* session, int32_t k) {
  return session->testCases().at(k).d;
}

/// Test case k's b.
EMSCRIPTEN_KEEPALIVE int32_t viewerTestCaseB(const ViewerSession* session, int32_t k) {
  return session->testCases().at(k).b;
}

/// Test case k's c.
EMSCRIPTEN_KEEPALIVE int32_t viewerTestCaseC(const ViewerSession* session, int32_t k) {
  return session->testCases().at(k).c;
}

/// Writes test case k's n by n input cells, row after row, to `cells`.
EMSCRIPTEN_KEEPALIVE void viewerTestCaseCells(const ViewerSession* session, int32_t k,
                                              char* cells) {
  const PackedGrid& grid = session->testCases().at(k).grid;
  const int32_t n = grid.size();
  for (int32_t i = 0; i < n; ++i) grid.rowCells(i, cells + static_cast<std::ptrdiff_t>(i) * n);
}

/// The number of blocks judged.
EMSCRIPTEN_KEEPALIVE double viewerBlocksJudged(const ViewerSession* session) {
  return static_cast<double>(session->summary().blockCount());
}

/// The offset in the submission of the rows of the block judged last.
EMSCRIPTEN_KEEPALIVE double viewerLastRowsOffset(const ViewerSession* session) {
  return static_cast<double>(session->summary().last().rowsOffset);
}

/// The number of refused blocks.
EMSCRIPTEN_KEEPALIVE double viewerBlocksRefused(const ViewerSession* session) {
  return static_cast<double>(session->summary().refusedCount());
}

/// The number of blocks whose summaries are kept.
EMSCRIPTEN_KEEPALIVE int32_t viewerBlockCount(const ViewerSession* session) {
  return static_cast<int32_t>(session->summary().kept().size());
}

/// The number of numbers that viewerBlockRecord writes: the place in the submission (from 1),
/// the header line, the test case, the near-pair count, and the faults of each kind.
EMSCRIPTEN_KEEPALIVE int32_t viewerBlockRecordSize() {
  return static_cast<int32_t>(4 + FaultKindCount);
}

/// Writes kept block k's summary to `out`, as viewerBlockRecordSize describes it.
EMSCRIPTEN_KEEPALIVE void viewerBlockRecord(const ViewerSession* session, int32_t k, double* out) {
  const BlockSummary& block = keptBlock(session, k);
  *out++ = static_cast<double>(block.position);
  *out++ = static_cast<double>(block.headerLine);
  *out++ = static_cast<double>(block.testCase);
  *out++ = static_cast<double>(block.nearPairs);
  for (const int64_t faults : block.faults) *out++ = static_cast<double>(faults);
}

/// The number of test cases of the input file.
EMSCRIPTEN_KEEPALIVE int32_t viewerTestCaseCount(const ViewerSession* session) {
  return static_cast<int32_t>(session->testCases().size());
}

/// Writes three numbers per test case to `out`: how many blocks judged so far answer it,
/// whether the first of them is accepted (1) or not (0), and its near-pair count.
EMSCRIPTEN_KEEPALIVE void viewerAnswers(const ViewerSession* session, double* out) {
  for (const TestCaseAnswers& answers : session->answers()) {
    *out++ = static_cast<double>(answers.blocks);
    *out++ = answers.firstAccepted ? 1 : 0;
    *out++ = static_cast<double>(answers.firstNearPairs);
  }
}

/// The near-pair count summed over the accepted blocks judged so far.
EMSCRIPTEN_KEEPALIVE double viewerAcceptedNearPairs(const ViewerSession* session) {
  return static_cast<double>(session->acceptedNearPairs());
}

/// The check number of the stop; 0 for a failure that is no check, -1 when none stopped.
EMSCRIPTEN_KEEPALIVE int32_t viewerStopCheck(const ViewerSession* session) {
  return session->summary().stop() ? session->summary().stop()->check : -1;
}

/// The submission line at which the stop ended the reading; 0 for a stop in the input file.
EMSCRIPTEN_KEEPALIVE double viewerStopLine(const ViewerSession* session) {
  return static_cast<double>(session->stopLine());
}

/// The stop's message as a report shows it; viewerTextLength gives its length.
EMSCRIPTEN_KEEPALIVE const char* viewerStopMessage(ViewerSession* session) {
  return session->keep(session->summary().stop() ? session->summary().stop()->message : "").c_str();
}

/// The cell characters red, black and white, in this order, ending with a NUL.
EMSCRIPTEN_KEEPALIVE const char* viewerCellCharacters() {
  static constexpr char Cells[] = {RedCell, BlackCell, WhiteCell, '\0'};
  return Cells;
}

/// The task's name, which line 1 of the input file and line 2 of a submission must equal.
EMSCRIPTEN_KEEPALIVE const char* viewerTaskName() {
  // The name is a literal, so its view ends at a NUL.
  return TaskName.data();
}

/// The number of fault kinds.
EMSCRIPTEN_KEEPALIVE int32_t viewerFaultKindCount() { return static_cast<int32_t>(FaultKindCount); }

/// The name of a fault kind as the diagnosis writes it ("redChanged", ...).
EMSCRIPTEN_KEEPALIVE const char* viewerFaultKindName(int32_t kind) {
  // Each name is a literal, so its view ends at a NUL.
  return FaultKinds.at(static_cast<std::size_t>(kind)).name.data();
}

/// Reads kept block k again and diagnoses it as the shown block; 0 when that failed.
EMSCRIPTEN_KEEPALIVE int32_t viewerShowBlock(ViewerSession* session, int32_t k) {
  try {
    session->show(static_cast<std::size_t>(k));
    return 1;
  } catch (...) {
    return 0;
  }
}

/// Lets the shown block go.
EMSCRIPTEN_KEEPALIVE void viewerHideBlock(ViewerSession* session) { session->hide(); }

/// Row i of the shown block as submitted: n cell bytes.
EMSCRIPTEN_KEEPALIVE const char* viewerShownRow(const ViewerSession* session, int32_t i) {
  return session->shown().block.rows.rowData(i);
}

/// The number of the shown block's faults that are kept, at most ShownFaults.
EMSCRIPTEN_KEEPALIVE int32_t viewerShownFaultCount(const ViewerSession* session) {
  return static_cast<int32_t>(session->shown().diagnosis.grid.faults.kept().size());
}

/// Kept fault f's row, from 0.
EMSCRIPTEN_KEEPALIVE int32_t viewerShownFaultRow(const ViewerSession* session, int32_t f) {
  return shownFault(session, f).row;
}

/// Kept fault f's column, from 0.
EMSCRIPTEN_KEEPALIVE int32_t viewerShownFaultColumn(const ViewerSession* session, int32_t f) {
  return shownFault(session, f).column;
}

/// Kept fault f's kind (a FaultKind value).
EMSCRIPTEN_KEEPALIVE int32_t viewerShownFaultKind(const ViewerSession* session, int32_t f) {
  return static_cast<int32_t>(shownFault(session, f).kind);
}

/// Kept fault f's message as the grid check gives it; viewerTextLength gives its length.
EMSCRIPTEN_KEEPALIVE const char* viewerShownFaultMessage(ViewerSession* session, int32_t f) {
  return session->keep(faultMessage(shownFault(session, f), shownTestCase(session))).c_str();
}

/// The shown block's message as check 221 gives it were this block the first refused one;
/// empty for an accepted block. viewerTextLength gives its length.
EMSCRIPTEN_KEEPALIVE const char* viewerShownMessage(ViewerSession* session) {
  const BlockDiagnosis& shown = session->shown().diagnosis;
  return session->keep(shown.accepted() ? "" : shown.message()).c_str();
}

/// Evaluates the two files as `mrezovnik eval` does, its report written at `reportPath` and its
/// console summary on standard output, both from the evaluation's outcome: the exit code, or -1
/// when out of memory.
EMSCRIPTEN_KEEPALIVE int32_t viewerEvaluate(ViewerSession* session, const char* inputPath,
                                            const char* submissionPath, const char* reportPath) {
  try {
    return session->evaluate(inputPath, submissionPath, reportPath);
  } catch (...) {
    return -1;
  }
}

/// The header line of the block that the evaluation refused with check 221; 0 otherwise.
EMSCRIPTEN_KEEPALIVE double viewerRefusedBlockLine(const ViewerSession* session) {
  return static_cast<double>(session->refusedBlockLine());
}

/// The length of the text that the call before returned.
EMSCRIPTEN_KEEPALIVE int32_t viewerTextLength(const ViewerSession* session) {
  return static_cast<int32_t>(session->keptText().size());
}

/// The white count of the shown block's cell in row i, column j (both from 0); -1 when no
/// block is shown, or no memory is left for the counts.
EMSCRIPTEN_KEEPALIVE int32_t viewerWhiteCount(ViewerSession* session, int32_t i, int32_t j) {
  try {
    return session->showing() ? session->shown().counts().whiteCount(i, j) : -1;
  } catch (...) {
    return -1;
  }
}

/// The black count of the shown block's cell in row i, column j (both from 0); -1 as for the
/// white count.
EMSCRIPTEN_KEEPALIVE int32_t viewerBlackCount(ViewerSession* session, int32_t i, int32_t j) {
  try {
    return session->showing() ? session->shown().counts().blackCount(i, j) : -1;
  } catch (...) {
    return -1;
  }
}

/// Merges the submissions at `submissionPaths` (one path a line, in the order loaded) as
/// mrezovnik-merge INPUT SUBMISSION... --better `better` ("higher" or "lower") does; null when
/// out of memory, or when `better` names no direction. Read it with viewerMergeFailed,
/// viewerMergeText and viewerMergeLength, and end it with viewerMergeDestroy.
EMSCRIPTEN_KEEPALIVE ViewerMerge* viewerMerge(const char* inputPath, const char* submissionPaths,
                                              const char* better) {
  try {
    const std::optional<Better> direction = betterNamed(better);
    if (!direction) return nullptr;
    return new ViewerMerge(mergeSubmissions(inputPath, pathLines(submissionPaths), *direction));
  } catch (...) {
    return nullptr;
  }
}

/// 1 when the merge's text says what stopped it, 0 when it is the merged submission.
EMSCRIPTEN_KEEPALIVE int32_t viewerMergeFailed(const ViewerMerge* merge) {
  return merge->failed ? 1 : 0;
}

/// The merge's text: the merged submission's bytes, or what stopped the merge.
EMSCRIPTEN_KEEPALIVE const char* viewerMergeText(const ViewerMerge* merge) {
  return merge->text.data();
}

/// The length of the merge's text in bytes.
EMSCRIPTEN_KEEPALIVE double viewerMergeLength(const ViewerMerge* merge) {
  return static_cast<double>(merge->text.size());
}

/// Ends a merge made by viewerMerge.
EMSCRIPTEN_KEEPALIVE void viewerMergeDestroy(ViewerMerge* merge) { delete merge; }

}  // extern "C"

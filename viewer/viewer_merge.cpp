#include "viewer/viewer_merge.h"

#include <utility>

#include "driver/report.h"
#include "merge/merge_plan.h"
#include "merge/merged_submission.h"

namespace {

/// A merge stopped by `problem`.
ViewerMerge stopped(std::string problem) { return {std::move(problem), true}; }

}  // namespace

ViewerMerge mergeSubmissions(const std::string& inputPath,
                             const std::vector<std::string>& submissionPaths, Better better) {
  try {
    const MergePlan plan = planMerge(inputPath, submissionPaths, better);
    if (plan.inputFault) return stopped(failureReportLine(*plan.inputFault));
    if (!plan.table.complete()) return stopped(IncompleteMerge);
    ViewerMerge merge;
    const std::string changed = writeMergedSubmission(plan, merge.text);
    return changed.empty() ? merge : stopped(changed);
  } catch (...) {
    return stopped(UnexpectedMergeFailure);
  }
}

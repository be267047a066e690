#include "standings/judging.h"

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <mutex>
#include <numeric>
#include <system_error>
#include <thread>

namespace {

/// The files of one run and the state that the threads share.
class Judging {
 public:
  Judging(const std::vector<SubmissionFile>& files, const std::vector<TestCase>& testCases,
          JudgingProgress* progress)
      : files_(files),
        testCases_(testCases),
        progress_(progress),
        judged_(files.size()),
        order_(largestFirst(files)) {}

  /// Judges files until none is left; run by every thread.
  void work() {
    for (std::size_t next = next_++; next < order_.size(); next = next_++) {
      const std::size_t k = order_[next];
      judged_[k] = judgeFile(files_[k].path, testCases_);
      if (progress_ == nullptr) continue;
      const std::lock_guard<std::mutex> lock(progressMutex_);
      progress_->fileJudged(files_[k].size);
    }
  }

  /// The judged files, in the order listed.
  std::vector<JudgedFile> take() { return std::move(judged_); }

 private:
  /// The files' indexes, the largest file first, so that no large file is left for the end.
  static std::vector<std::size_t> largestFirst(const std::vector<SubmissionFile>& files) {
    std::vector<std::size_t> order(files.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&files](std::size_t a, std::size_t b) {
      return files[a].size > files[b].size;
    });
    return order;
  }

  const std::vector<SubmissionFile>& files_;
  const std::vector<TestCase>& testCases_;
  JudgingProgress* progress_;
  std::vector<JudgedFile> judged_;
  /// The order in which the files are taken.
  std::vector<std::size_t> order_;
  /// The next position of order_ to take.
  std::atomic<std::size_t> next_{0};
  std::mutex progressMutex_;
};

}  // namespace

uint32_t defaultJobs() { return std::max(1U, std::thread::hardware_concurrency()); }

std::vector<JudgedFile> judgeFiles(const std::vector<SubmissionFile>& files,
                                   const std::vector<TestCase>& testCases, uint32_t jobs,
                                   JudgingProgress* progress) {
  Judging judging(files, testCases, progress);
  // The calling thread judges too: at most one more thread per further file.
  const std::size_t wanted = std::min<std::size_t>(std::max(jobs, 1U), files.size());
  const std::size_t helpers = wanted > 0 ? wanted - 1 : 0;
  std::vector<std::thread> threads;
  threads.reserve(helpers);
  for (std::size_t k = 0; k < helpers; ++k) {
    try {
      threads.emplace_back([&judging] { judging.work(); });
    } catch (const std::system_error&) {
      break;
    }
  }
  judging.work();
  for (std::thread& thread : threads) thread.join();
  return judging.take();
}

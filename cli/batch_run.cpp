#include "cli/batch_run.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "cli/progress_display.h"

namespace veldrane::cli {

void RunJobs(const std::vector<ConversionJob>& jobs, const Options& options, std::FILE* progress_terminal,
             const std::function<void(const ConversionJob&, JobResult&)>& on_result) {
  const int total = int(jobs.size());
  std::unique_ptr<ProgressDisplay> progress;
  if (progress_terminal) progress = std::make_unique<ProgressDisplay>(progress_terminal, total);

  std::vector<std::optional<JobResult>> results(jobs.size());
  std::mutex mutex;
  std::condition_variable finished;
  std::atomic<int> next{0};

  auto work = [&] {
    for (int index = next++; index < total; index = next++) {
      std::function<void(std::u16string_view)> on_step;
      if (progress) {
        progress->Started(index, jobs[index].display_name);
        on_step = [&progress, index](std::u16string_view caption) { progress->Step(index, caption); };
      }
      JobResult result = ExecuteJob(jobs[index], options, on_step);
      if (progress) progress->Finished(index);
      std::lock_guard lock(mutex);
      results[index] = std::move(result);
      finished.notify_one();
    }
  };
  std::vector<std::thread> workers;
  const int count = std::clamp(options.jobs, 1, std::max(total, 1));
  for (int i = 0; i < count; ++i) workers.emplace_back(work);

  // Report in job order, and redraw the progress display every so often meanwhile.
  constexpr auto kRedrawInterval = std::chrono::milliseconds(100);
  auto last_redraw = std::chrono::steady_clock::now() - kRedrawInterval;
  for (int reported = 0; reported < total;) {
    std::optional<JobResult> result;
    {
      std::unique_lock lock(mutex);
      finished.wait_for(lock, kRedrawInterval, [&] { return results[reported].has_value(); });
      result.swap(results[reported]);
    }
    if (result) {
      if (progress) progress->Clear();
      on_result(jobs[reported], *result);
      ++reported;
    }
    if (progress && std::chrono::steady_clock::now() - last_redraw >= kRedrawInterval) {
      progress->Redraw();
      last_redraw = std::chrono::steady_clock::now();
    }
  }
  for (std::thread& worker : workers) worker.join();
  if (progress) progress->Clear();
}

}  // namespace veldrane::cli

#include "ui/latest_search.h"

#include <utility>

namespace tamblor {

LatestSearch::LatestSearch() : thread_([this](std::stop_token stop) { Work(stop); }) {}

LatestSearch::~LatestSearch() {
  {
    std::scoped_lock lock(mutex_);
    running_.request_stop();
    thread_.request_stop();
  }
  wake_.notify_one();
}

void LatestSearch::Run(Search search) {
  {
    std::scoped_lock lock(mutex_);
    running_.request_stop();
    running_ = std::stop_source();
    waiting_ = std::move(search);
  }
  wake_.notify_one();
}

void LatestSearch::Work(std::stop_token stop) {
  for (;;) {
    Search search;
    std::stop_token cancel;
    {
      // A plain wait, the stop asked under the lock: MinGW's wait on a stop token can miss it.
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [&] { return waiting_ || stop.stop_requested(); });
      if (stop.stop_requested()) return;
      search = std::exchange(waiting_, nullptr);
      cancel = running_.get_token();
    }
    search(cancel);
  }
}

}  // namespace tamblor

#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <stop_token>
#include <thread>

namespace tamblor {

// One worker thread that runs the latest search it is given: a new search cancels the one running,
// through its stop token, and replaces one still waiting. The thread runs one search at a time, so
// what only searches touch needs no lock. Destruction cancels the running search and waits for it.
class LatestSearch {
 public:
  using Search = std::function<void(std::stop_token cancel)>;

  LatestSearch();
  ~LatestSearch();
  LatestSearch(const LatestSearch&) = delete;
  LatestSearch& operator=(const LatestSearch&) = delete;

  void Run(Search search);

 private:
  void Work(std::stop_token stop);

  std::mutex mutex_;
  std::condition_variable wake_;
  Search waiting_;
  std::stop_source running_;
  std::jthread thread_;  // last: it stops before the members it uses go
};

}  // namespace tamblor

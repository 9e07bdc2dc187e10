#pragma once

// A thread that runs one piece of work. QThread::create would do, but it
// needs std::async, which some Windows tool chains lack.

#include <QThread>

#include <functional>
#include <utility>

namespace solvane::quality {

class WorkThread : public QThread {
public:
  explicit WorkThread(std::function<void()> work) : work_(std::move(work)) {}

protected:
  void run() override { work_(); }

private:
  std::function<void()> work_;
};

} // namespace solvane::quality

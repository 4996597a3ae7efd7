// TThread: a worker thread whose Synchronize runs a call on the user-interface thread and
// waits for it.
#pragma once

#include <atomic>
#include <exception>
#include <functional>
#include <thread>

namespace tk {

class TThread {
 public:
  TThread() = default;
  virtual ~TThread();
  TThread(const TThread&) = delete;
  TThread& operator=(const TThread&) = delete;

  void Start();
  void WaitFor();
  bool Finished() const { return FFinished; }
  // The thread deletes its own object when Execute ends; set before Start, and create the
  // object with new.
  void SetFreeOnTerminate(bool value) { FFreeOnTerminate = value; }

  // Runs f on the user-interface thread while this thread waits. An exception thrown by f
  // comes back here.
  static void Synchronize(const std::function<void()>& f);
  // Must be called once on the user-interface thread before any Synchronize.
  static void InitMainThread();

 protected:
  // The thread's work. Exceptions are sent to the application's error report.
  virtual void Execute() = 0;

 private:
  std::thread FThread;
  std::atomic<bool> FFinished{false};
  bool FFreeOnTerminate = false;
};

}  // namespace tk

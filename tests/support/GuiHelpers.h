// GUI test helpers: close a modal window of this process from a helper thread, find windows.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace testsupport {

// Finds a visible top-level window of this process whose title is exactly `title`.
HWND FindOwnWindow(const std::wstring& title);

// Waits (on its own thread) for a window titled `title` and posts WM_COMMAND `commandId` to it,
// as Enter, Escape or a button of a dialog would. Joins on destruction.
class CommandWhenShown {
 public:
  CommandWhenShown(std::wstring title, int commandId, int timeoutMs = 10000);
  ~CommandWhenShown();
  CommandWhenShown(const CommandWhenShown&) = delete;
  CommandWhenShown& operator=(const CommandWhenShown&) = delete;
  bool Found() const { return FFound; }
  // The text of the window's static children, read before the command was posted.
  const std::wstring& SeenText() const { return FSeenText; }
  // The lines of its list boxes, read at the same moment.
  const std::vector<std::wstring>& SeenListItems() const { return FSeenItems; }

 private:
  std::atomic<bool> FFound{false};
  std::wstring FSeenText;
  std::vector<std::wstring> FSeenItems;
  std::thread FThread;
};

// Dispatches messages for about `ms` milliseconds.
void PumpFor(int ms);

}  // namespace testsupport

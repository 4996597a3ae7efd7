// TThread and Synchronize through a hidden window on the user-interface thread.
#include "toolkit/Thread.h"

#include "toolkit/Application.h"

#include <windows.h>

namespace tk {

namespace {

constexpr UINT kSyncMessage = WM_APP + 0x3A2;
HWND g_syncWindow = nullptr;
DWORD g_mainThreadId = 0;

struct SyncCall {
  const std::function<void()>* f;
  std::exception_ptr error;
};

LRESULT CALLBACK SyncProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == kSyncMessage) {
    auto* call = reinterpret_cast<SyncCall*>(lParam);
    try {
      (*call->f)();
    } catch (...) {
      call->error = std::current_exception();
    }
    return 0;
  }
  return ::DefWindowProcW(wnd, msg, wParam, lParam);
}

}  // namespace

void TThread::InitMainThread() {
  if (g_syncWindow) return;
  WNDCLASSEXW wc{sizeof(wc)};
  wc.lpfnWndProc = SyncProc;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.lpszClassName = L"TamberlockSyncWindow";
  ::RegisterClassExW(&wc);
  g_syncWindow = ::CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                   wc.hInstance, nullptr);
  g_mainThreadId = ::GetCurrentThreadId();
}

void TThread::Synchronize(const std::function<void()>& f) {
  if (!g_syncWindow || ::GetCurrentThreadId() == g_mainThreadId) {
    f();
    return;
  }
  SyncCall call{&f, nullptr};
  // SendMessage waits until the user-interface thread has run the call in its message loop.
  ::SendMessageW(g_syncWindow, kSyncMessage, 0, reinterpret_cast<LPARAM>(&call));
  if (call.error) std::rethrow_exception(call.error);
}

TThread::~TThread() {
  if (FThread.joinable()) FThread.join();
}

void TThread::Start() {
  const bool selfFreeing = FFreeOnTerminate;
  std::thread worker([this, selfFreeing] {
    try {
      Execute();
    } catch (const std::exception& e) {
      std::wstring message = Widen(e.what());
      Synchronize([&] { Application().HandleException(message); });
    } catch (...) {
      Synchronize([] { Application().HandleException(L"Unknown error in a worker thread"); });
    }
    FFinished = true;
    if (selfFreeing) delete this;
  });
  // A self-freeing thread is never joined: nothing may touch the object once it runs.
  if (selfFreeing)
    worker.detach();
  else
    FThread = std::move(worker);
}

void TThread::WaitFor() {
  if (FThread.joinable()) FThread.join();
}

}  // namespace tk

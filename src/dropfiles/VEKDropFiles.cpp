// TVEKDropFiles: a shared WH_GETMESSAGE hook picks out WM_DROPFILES for the active components.
#include "dropfiles/VEKDropFiles.h"

#include "fsutil/VEKGeneral.h"
#include "toolkit/Application.h"
#include "toolkit/Thread.h"

#include <shellapi.h>

#include <algorithm>
#include <memory>
#include <utility>

namespace vek {

namespace {

std::vector<TVEKDropFiles*> ActiveDropComponents;
HHOOK DropHookHandle = nullptr;
// Drops handled whose message is still in the queue: a loop that looks at a message more
// than once must not read a released handle again.
std::vector<std::pair<HWND, WPARAM>> PendingDrops;

LRESULT CALLBACK DropMessageHook(int code, WPARAM removal, LPARAM lParam) {
  auto* msg = reinterpret_cast<MSG*>(lParam);
  if (code == HC_ACTION && msg->message == WM_DROPFILES) {
    const auto key = std::make_pair(msg->hwnd, msg->wParam);
    auto pending = std::find(PendingDrops.begin(), PendingDrops.end(), key);
    if (removal == PM_REMOVE) {
      if (pending != PendingDrops.end()) PendingDrops.erase(pending);
    } else if (pending == PendingDrops.end()) {
      for (TVEKDropFiles* c : ActiveDropComponents) {
        if (c->DropControl() && c->DropControl()->Handle() == msg->hwnd) {
          PendingDrops.push_back(key);
          tk::Application().Guard([&] { c->WMDropFiles(*msg); });
          break;
        }
      }
    }
  }
  return ::CallNextHookEx(DropHookHandle, code, removal, lParam);
}

bool DirectoryExists(const std::wstring& path) {
  const DWORD a = ::GetFileAttributesW(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) && PathExists(path);
}

bool FileExists(const std::wstring& path) {
  const DWORD a = ::GetFileAttributesW(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY) && PathExists(path);
}

// Runs the delivery on the user-interface thread and waits for it; frees itself afterwards.
class TVEKDropFilesThread : public tk::TThread {
 public:
  std::vector<std::wstring> ItemsDropped;
  POINT DropPoint{};
  std::function<void(std::vector<std::wstring>&, POINT)> Callback;

 protected:
  void Execute() override {
    Synchronize([this] {
      if (Callback) Callback(ItemsDropped, DropPoint);
    });
  }
};

}  // namespace

std::vector<std::wstring> ReadDroppedItems(HDROP drop) {
  std::vector<std::wstring> items;
  const UINT n = ::DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < n; ++i) {
    const UINT length = ::DragQueryFileW(drop, i, nullptr, 0);
    std::wstring buffer(length + 1, L'\0');
    const UINT copied = ::DragQueryFileW(drop, i, buffer.data(), length + 1);
    buffer.resize(copied);
    items.push_back(buffer);
  }
  return items;
}

TVEKDropFiles::TVEKDropFiles(tk::TComponent* AOwner) : tk::TComponent(AOwner) {}

TVEKDropFiles::~TVEKDropFiles() { SetActive(false); }

bool TVEKDropFiles::HookInstalled() { return DropHookHandle != nullptr; }

void TVEKDropFiles::RefreshDropControlHandle() {
  DropControlHandle = FDropControl ? FDropControl->Handle() : nullptr;
}

void TVEKDropFiles::SetActive(bool newActive) {
  if (newActive == FActive) return;
  if (!FDropControl)
    if (auto* owner = dynamic_cast<tk::TWinControl*>(Owner())) SetDropControl(owner);
  if (FDropControl) {
    if (newActive) {
      RefreshDropControlHandle();
      ActiveDropComponents.push_back(this);
      if (!DropHookHandle)
        DropHookHandle = ::SetWindowsHookExW(WH_GETMESSAGE, DropMessageHook, nullptr, ::GetCurrentThreadId());
      ::DragAcceptFiles(DropControlHandle, TRUE);
    } else {
      ::DragAcceptFiles(DropControlHandle, FALSE);
      ActiveDropComponents.erase(std::remove(ActiveDropComponents.begin(), ActiveDropComponents.end(), this),
                                 ActiveDropComponents.end());
      if (ActiveDropComponents.empty() && DropHookHandle) {
        ::UnhookWindowsHookEx(DropHookHandle);
        DropHookHandle = nullptr;
      }
    }
  }
  FActive = newActive;
}

void TVEKDropFiles::SetDropControl(tk::TWinControl* newControl) {
  const bool wasActive = FActive;
  SetActive(false);
  FDropControl = newControl;
  RefreshDropControlHandle();
  SetActive(wasActive);
}

bool TVEKDropFiles::WMDropFiles(const MSG& msg) {
  auto drop = reinterpret_cast<HDROP>(msg.wParam);
  const std::vector<std::wstring> items = ReadDroppedItems(drop);
  POINT point{};
  ::DragQueryPoint(drop, &point);
  ::DragFinish(drop);
  StartDeliveryThread(items, point);
  return true;
}

void TVEKDropFiles::StartDeliveryThread(const std::vector<std::wstring>& items, POINT point) {
  auto* thread = new TVEKDropFilesThread();
  thread->ItemsDropped = items;
  thread->DropPoint = point;
  thread->Callback = [this](std::vector<std::wstring>& list, POINT p) { DeliverDroppedItems(list, p); };
  thread->SetFreeOnTerminate(true);
  thread->Start();
}

void TVEKDropFiles::DeliverDroppedItems(std::vector<std::wstring>& items, POINT point) {
  if (FOnItemsDrop) FOnItemsDrop(this, items, point);
  for (size_t i = 0; i < items.size(); ++i) {
    if (DirectoryExists(items[i])) {
      if (FOnDirectoryDrop) FOnDirectoryDrop(this, items[i], point);
    } else if (FileExists(items[i])) {
      if (FOnFileDrop) FOnFileDrop(this, items[i], point);
    }
  }
}

}  // namespace vek

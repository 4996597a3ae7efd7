// TVEKDropFiles: lets one control accept files and folders dropped from the shell, and reports
// the whole list, then each path as a file or a folder, on the user-interface thread.
#pragma once

#include "toolkit/Component.h"
#include "toolkit/WinControl.h"

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>
#include <vector>

namespace vek {

// The list belongs to the caller and lives only for the call; a handler may remove entries,
// which then get no event of their own.
using TNotifyItemsDropEvent =
    std::function<void(tk::TComponent* Sender, std::vector<std::wstring>& DropItems, POINT DropPoint)>;
using TNotifyFileDirectoryDropEvent =
    std::function<void(tk::TComponent* Sender, const std::wstring& DropItem, POINT DropPoint)>;

class TVEKDropFiles : public tk::TComponent {
 public:
  explicit TVEKDropFiles(tk::TComponent* AOwner = nullptr);
  ~TVEKDropFiles() override;
  std::wstring ClassName() const override { return L"TVEKDropFiles"; }

  bool Active() const { return FActive; }
  void SetActive(bool newActive);
  tk::TWinControl* DropControl() const { return FDropControl; }
  void SetDropControl(tk::TWinControl* newControl);

  void SetOnItemsDrop(TNotifyItemsDropEvent h) { FOnItemsDrop = std::move(h); }
  void SetOnFileDrop(TNotifyFileDirectoryDropEvent h) { FOnFileDrop = std::move(h); }
  void SetOnDirectoryDrop(TNotifyFileDirectoryDropEvent h) { FOnDirectoryDrop = std::move(h); }

  // Handles one drop message for this component: reads and releases the drop handle, then
  // delivers through a short-lived thread.
  bool WMDropFiles(const MSG& msg);
  // For tests: whether the message hook is installed.
  static bool HookInstalled();

 private:
  void RefreshDropControlHandle();
  void StartDeliveryThread(const std::vector<std::wstring>& items, POINT point);
  void DeliverDroppedItems(std::vector<std::wstring>& items, POINT point);

  bool FActive = false;
  tk::TWinControl* FDropControl = nullptr;
  TNotifyItemsDropEvent FOnItemsDrop;
  TNotifyFileDirectoryDropEvent FOnFileDrop;
  TNotifyFileDirectoryDropEvent FOnDirectoryDrop;
  HWND DropControlHandle = nullptr;
};

// The paths of a drop, in the shell's order.
std::vector<std::wstring> ReadDroppedItems(HDROP drop);

}  // namespace vek

// Event signatures shared by the toolkit's components. The sender comes first.
#pragma once

#include <windows.h>

#include <functional>

namespace tk {

class TComponent;

using TNotifyEvent = std::function<void(TComponent* Sender)>;
using TCloseQueryEvent = std::function<void(TComponent* Sender, bool& CanClose)>;

enum TModalResult : int {
  mrNone = 0,
  mrOk = IDOK,
  mrCancel = IDCANCEL,
  mrAbort = IDABORT,
  mrRetry = IDRETRY,
  mrIgnore = IDIGNORE,
  mrYes = IDYES,
  mrNo = IDNO,
  mrClose = 8,
};

}  // namespace tk

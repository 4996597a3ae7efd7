// TFlatSpeedButton: a flat tool button on a dark strip, icon above caption. A real BUTTON,
// owner-drawn, so the keyboard, access keys and screen readers work as with any button.
#pragma once

#include "toolkit/Handles.h"
#include "toolkit/StdCtrls.h"

namespace tk {

class TFlatSpeedButton : public TButton {
 public:
  TFlatSpeedButton(TComponent* AOwner, TWinControl* AParent, const std::wstring& caption);
  std::wstring ClassName() const override { return L"TFlatSpeedButton"; }
  // The picture above the caption; the button keeps its own copy.
  void SetIcon(HICON icon);
  // As if the user clicked it.
  void ClickButton() { Press(); }

 protected:
  bool CNDrawItem(DRAWITEMSTRUCT* item) override;
  bool WndProc(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  UniqueIcon FIcon;
  bool FHot = false;
};

}  // namespace tk

// TVEKTruncatingLabel: shortens the drawn text, measured in the label's own font.
#include "dialogs/VEKStdCtrls.h"

namespace vek {

std::wstring TVEKTruncatingLabel::GetLabelText() const {
  std::wstring t = Caption();
  if (t.empty() || TextWidth(t) <= Width()) return t;
  std::wstring s = t;
  t = s + L"...";
  while (TextWidth(t) > Width() && !t.empty()) {
    if (!s.empty()) {
      s.pop_back();
      t = s + L"...";
    } else {
      t.pop_back();
    }
  }
  return t;
}

}  // namespace vek

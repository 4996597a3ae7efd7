// TVEKLabel, and TVEKTruncatingLabel, which draws a caption too wide for it cut short with "...".
#pragma once

#include "toolkit/StdCtrls.h"

namespace vek {

class TVEKLabel : public tk::TLabel {
 public:
  using tk::TLabel::TLabel;
  std::wstring ClassName() const override { return L"TVEKLabel"; }
};

class TVEKTruncatingLabel : public TVEKLabel {
 public:
  using TVEKLabel::TVEKLabel;
  std::wstring ClassName() const override { return L"TVEKTruncatingLabel"; }
  // What the label draws; the caption itself is never changed.
  std::wstring GetLabelText() const override;
};

}  // namespace vek

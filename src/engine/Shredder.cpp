// TShredder: defaults, pass count and the pass-data hook.
#include "engine/Shredder.h"

#include "dialogs/VEKProgressDlg.h"
#include "engine/PassData.h"

TShredder::TShredder(tk::TComponent* AOwner) : tk::TComponent(AOwner) {}

TShredder::~TShredder() = default;

std::unique_ptr<vek::TVEKProgressDialog> TShredder::TakeProgressDialog() {
  if (!FIdleProgress) return std::make_unique<vek::TVEKProgressDialog>();
  auto dialog = std::move(FIdleProgress);
  dialog->Reset();
  return dialog;
}

void TShredder::KeepProgressDialog(std::unique_ptr<vek::TVEKProgressDialog> dialog) {
  dialog->Hide();
  if (!FIdleProgress) FIdleProgress = std::move(dialog);
}

int32_t TShredder::TotalPasses() const {
  const int fixed = MethodPassTableValue(FIntMethod);
  return fixed < 0 ? FIntPasses : fixed;
}

std::wstring TShredder::CurrentRcmpText() const {
  SYSTEMTIME now{};
  if (FLocalTimeSource)
    now = FLocalTimeSource();
  else
    ::GetLocalTime(&now);
  return RcmpDateText(now, UserDecimalSeparator());
}

bool TShredder::FillPassBlock(int32_t passNumber, TShredBlock& block) {
  if (FOnOverwriteDataReq) {
    const size_t required = block.size();
    bool generatedOK = true;
    FOnOverwriteDataReq(this, passNumber, static_cast<uint32_t>(required), generatedOK, block);
    // The caller writes up to the length it asked for; a shorter block cannot supply it.
    return generatedOK && block.size() >= required;
  }
  const std::wstring rcmpText =
      NeedsRcmpText(FIntMethod, passNumber) ? CurrentRcmpText() : std::wstring();
  FillBuiltInPassData(FIntMethod, passNumber, block, rcmpText);
  return true;
}

// TVEKProgressDialog: the progress window of long engine operations. Every position update
// repaints it and dispatches pending messages, which is when a click on Cancel is handled.
#pragma once

#include "dialogs/VEKComCtrls.h"
#include "dialogs/VEKForms.h"
#include "dialogs/VEKStdCtrls.h"
#include "toolkit/StdCtrls.h"

#include <cstdint>
#include <functional>
#include <string>

namespace vek {

class TVEKProgressDialog : public TVEKForm {
 public:
  explicit TVEKProgressDialog(tk::TComponent* AOwner = nullptr);
  std::wstring ClassName() const override { return L"TVEKProgressDialog"; }

  // Local wall-clock time in days, millisecond resolution; injectable for exact estimates.
  using TNowFunction = std::function<double()>;
  void SetNowFunction(TNowFunction f) { FNow = std::move(f); }
  static double LocalNowInDays();

  std::wstring Title() const { return Caption(); }
  void SetTitle(const std::wstring& value) { SetCaption(value); }
  void SetMin(int value) { pgbOverall->SetMin(value); }
  void SetMax(int value) { pgbOverall->SetMax(value); }
  void SetPosition(int value) { UpdatePosition(value); }
  void SetInversePosition(int value) { UpdatePosition(pgbOverall->Max() - value); }
  void IncPosition() { UpdatePosition(pgbOverall->Position() + 1); }

  int64_t i64Min() const { return i64MinValue; }
  void Seti64Min(int64_t v) { i64MinValue = v; UpdateI64Progress(); }
  int64_t i64Max() const { return i64MaxValue; }
  void Seti64Max(int64_t v) { i64MaxValue = v; UpdateI64Progress(); }
  int64_t i64Position() const { return i64PositionValue; }
  void Seti64Position(int64_t v) { i64PositionValue = v; UpdateI64Progress(); }
  void Seti64InversePosition(int64_t v) { i64PositionValue = i64MaxValue - v; UpdateI64Progress(); }
  void i64IncPosition() { ++i64PositionValue; UpdateI64Progress(); }

  bool ShowTimeRemaining() const { return fShowTimeRemaining; }
  void SetShowTimeRemaining(bool value);
  bool ShowStatusText() const { return fShowStatusText; }
  void SetShowStatusText(bool value);
  std::wstring StatusText() const { return lblStatus->Caption(); }
  void SetStatusText(const std::wstring& value) { lblStatus->SetCaption(value); }
  void SetConfirmCancel(bool value) { fConfirmCancel = value; }
  bool CancelSetsModalResult() const { return fCancelSetsModalResult; }
  void SetCancelSetsModalResult(bool value) { fCancelSetsModalResult = value; }
  bool Indeterminate() const { return pgbIndeterminate->Visible(); }
  void SetIndeterminate(bool value);
  bool IndeterminateRunning() const { return pgbIndeterminate->Marquee(); }
  void SetIndeterminateRunning(bool value) { pgbIndeterminate->SetMarquee(value); }
  int IndeterminateUpdate() const { return pgbIndeterminate->MarqueeUpdate(); }
  void SetIndeterminateUpdate(int value) { pgbIndeterminate->SetMarqueeUpdate(value); }

  // Puts the dialog back in the state it had after creation, so one window can serve many
  // operations one after another (creating a window costs more than a small file's shredding).
  void Reset();

  // Set when the user presses Cancel; cleared only by Reset.
  bool Cancel = false;

  // Components, public as on the form's design.
  tk::TPanel* pnlStatusText;
  TVEKTruncatingLabel* lblStatus;
  tk::TPanel* pnlProgressBar;
  tk::TPanel* pnlProgressBarPlaceholder;
  tk::TProgressBar* pgbOverall;
  TVEProgressBarIndeterminate* pgbIndeterminate;
  tk::TLabel* lblEstTimeRemainText;
  tk::TLabel* lblEstTimeRemaining;
  tk::TButton* pbCancel;

  void pbCancelClick(tk::TComponent* Sender);
  void FormCreate(tk::TComponent* Sender);
  void FormShow(tk::TComponent* Sender);

 private:
  void UpdateI64Progress();
  void UpdatePosition(int value);
  double Now() const { return FNow ? FNow() : LocalNowInDays(); }

  bool fShowStatusText = false;
  bool fConfirmCancel = false;
  int64_t i64MinValue = 0;
  int64_t i64MaxValue = 0;
  int64_t i64PositionValue = 0;
  bool fShowTimeRemaining = false;
  double fStartTime = 0;
  bool fCancelSetsModalResult = false;
  TNowFunction FNow;
  static constexpr ULONGLONG kPumpIntervalMs = 15;
  ULONGLONG FLastPump = 0;
};

}  // namespace vek

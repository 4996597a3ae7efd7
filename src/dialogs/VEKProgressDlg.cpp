// TVEKProgressDialog: layout, percent progress, time-remaining estimate and the cancel flow.
#include "dialogs/VEKProgressDlg.h"

#include "dialogs/MessageDlg.h"
#include "fsutil/VEKGeneral.h"
#include "toolkit/Application.h"

#include <algorithm>
#include <cmath>

namespace vek {

using namespace tk;

TVEKProgressDialog::TVEKProgressDialog(TComponent* AOwner) : TVEKForm(AOwner) {
  SetCaption(L"Progress");
  SetBorderStyle(bsToolWindow);
  SetBorderIcons(biMinimize);
  SetDesignClientSize(383, 101);

  pnlStatusText = new TPanel(this, this);
  pnlStatusText->SetName(L"pnlStatusText");
  pnlStatusText->SetDesignBounds(0, 0, 383, 29);
  pnlStatusText->SetAlign(alTop);
  lblStatus = new TVEKTruncatingLabel(this, pnlStatusText);
  lblStatus->SetName(L"lblStatus");
  lblStatus->SetDesignBounds(5, 8, 0, 13);

  pnlProgressBar = new TPanel(this, this);
  pnlProgressBar->SetName(L"pnlProgressBar");
  pnlProgressBar->SetDesignBounds(0, 29, 383, 72);
  pnlProgressBar->SetAlign(alClient);
  pnlProgressBarPlaceholder = new TPanel(this, pnlProgressBar);
  pnlProgressBarPlaceholder->SetName(L"pnlProgressBarPlaceholder");
  pnlProgressBarPlaceholder->SetDesignBounds(5, 10, 371, 21);
  pnlProgressBarPlaceholder->SetAnchors(akLeft | akRight | akBottom);
  pgbOverall = new TProgressBar(this, pnlProgressBarPlaceholder);
  pgbOverall->SetName(L"pgbOverall");
  pgbIndeterminate = new TVEProgressBarIndeterminate(this, pnlProgressBarPlaceholder);
  pgbIndeterminate->SetName(L"pgbIndeterminate");
  lblEstTimeRemainText = new TLabel(this, pnlProgressBar);
  lblEstTimeRemainText->SetName(L"lblEstTimeRemainText");
  lblEstTimeRemainText->SetDesignBounds(12, 40, 0, 13);
  lblEstTimeRemainText->SetCaption(TranslateText(L"Estimated time remaining:"));
  lblEstTimeRemaining = new TLabel(this, pnlProgressBar);
  lblEstTimeRemaining->SetName(L"lblEstTimeRemaining");
  // Right of its caption even where the font is wider than the design's.
  lblEstTimeRemaining->SetDesignBounds(140, 40, 0, 13);
  lblEstTimeRemaining->SetLeft(std::max(lblEstTimeRemaining->Left(),
                                        lblEstTimeRemainText->Left() + lblEstTimeRemainText->Width() + Scale(4)));
  pbCancel = new TButton(this, pnlProgressBar, TranslateText(L"&Cancel"));
  pbCancel->SetName(L"pbCancel");
  pbCancel->SetDesignBounds(301, 37, 75, 25);
  pbCancel->SetAnchors(akLeft | akRight | akBottom);
  pbCancel->SetDefault(true);
  pbCancel->SetCancel(true);
  pbCancel->SetOnClick([this](TComponent* s) { pbCancelClick(s); });

  ClearPanel(pnlProgressBarPlaceholder);
  pgbOverall->SetAlign(alClient);
  pgbIndeterminate->SetAlign(alClient);
  pgbIndeterminate->SetVisible(false);
  fCancelSetsModalResult = false;

  SetOnCreate([this](TComponent* s) { FormCreate(s); });
  SetOnShow([this](TComponent* s) { FormShow(s); });
  DoCreate();
}

double TVEKProgressDialog::LocalNowInDays() {
  SYSTEMTIME st{};
  ::GetLocalTime(&st);
  FILETIME ft{};
  ::SystemTimeToFileTime(&st, &ft);
  const uint64_t ticks = (uint64_t{ft.dwHighDateTime} << 32) | ft.dwLowDateTime;
  return static_cast<double>(ticks / 10000) / 86400000.0;  // whole milliseconds
}

void TVEKProgressDialog::FormCreate(TComponent*) {
  pbCancel->SetEnabled(true);
  Cancel = false;
  for (TPanel* p : {pnlStatusText, pnlProgressBar}) {
    p->SetCaption(std::wstring());
    p->SetBevelInner(bvNone);
    p->SetBevelOuter(bvNone);
  }
  lblStatus->SetCaption(std::wstring());
  lblStatus->SetAutoSize(false);
  lblStatus->SetWidth(pnlStatusText->Width() - 2 * lblStatus->Left());
  fShowStatusText = true;
  SetShowStatusText(false);
  SetStatusText(std::wstring());
  lblEstTimeRemaining->SetCaption(TranslateText(L"<unknown>"));
  lblEstTimeRemainText->SetVisible(false);
  lblEstTimeRemaining->SetVisible(false);
}

void TVEKProgressDialog::FormShow(TComponent*) { fStartTime = Now(); }

void TVEKProgressDialog::Reset() {
  Hide();
  fConfirmCancel = false;
  fCancelSetsModalResult = false;
  i64MinValue = i64MaxValue = i64PositionValue = 0;
  fShowTimeRemaining = false;
  SetModalResult(mrNone);
  SetIndeterminate(false);
  pgbOverall->SetMin(0);
  pgbOverall->SetMax(100);
  pgbOverall->SetPosition(0);
  FormCreate(this);
}

void TVEKProgressDialog::SetShowTimeRemaining(bool value) {
  fShowTimeRemaining = value;
  lblEstTimeRemainText->SetVisible(value);
  lblEstTimeRemaining->SetVisible(value);
}

void TVEKProgressDialog::SetShowStatusText(bool value) {
  if (value != fShowStatusText) {
    const int delta = pnlStatusText->Height();
    if (value) {
      SetHeight(Height() + delta);
      pnlStatusText->SetVisible(true);
    } else {
      pnlStatusText->SetVisible(false);
      SetHeight(Height() - delta);
    }
  }
  fShowStatusText = value;
}

void TVEKProgressDialog::SetIndeterminate(bool value) {
  pgbIndeterminate->SetVisible(value);
  pgbOverall->SetVisible(!value);
}

void TVEKProgressDialog::UpdateI64Progress() {
  pgbOverall->SetMin(0);
  pgbOverall->SetMax(100);
  if (i64MaxValue == 0) return;
  // A range of nothing is complete: never divide by zero.
  if (i64MaxValue == i64MinValue) {
    UpdatePosition(100);
    return;
  }
  UpdatePosition(static_cast<int>((i64PositionValue - i64MinValue) * 100 / (i64MaxValue - i64MinValue)));
}

void TVEKProgressDialog::UpdatePosition(int value) {
  const int lo = pgbOverall->Min(), hi = pgbOverall->Max();
  const int position = value > hi ? hi : value < lo ? lo : value;
  if (position != pgbOverall->Position()) pgbOverall->SetPosition(position);
  // Nobody reads the estimate of a dialog that is not on screen.
  if (fShowTimeRemaining && Visible()) {
    std::wstring text = TranslateText(L"<unknown>");
    const double now = Now();
    if (now != fStartTime) {
      const double elapsed = now - fStartTime;
      const int p = pgbOverall->Position();
      const int done = p - pgbOverall->Min();
      const int left = pgbOverall->Max() - p;
      if (done != 0) {
        const double remaining = elapsed / done * left;
        const auto days = static_cast<uint16_t>(static_cast<int64_t>(remaining));
        const double fraction = remaining - std::trunc(remaining);
        const int64_t ms = std::llround(std::fabs(fraction) * 86400000.0);
        const int hours = static_cast<int>(ms / 3600000 % 24);
        const int minutes = static_cast<int>(ms / 60000 % 60);
        const int seconds = static_cast<int>(ms / 1000 % 60);
        if (days != 0)
          text = SubstituteParams(TranslateText(L"%1 days, %2 hours"), {int(days), hours});
        else if (hours != 0)
          text = SubstituteParams(TranslateText(L"%1 hours, %2 minutes"), {hours, minutes});
        else if (minutes != 0)
          text = SubstituteParams(TranslateText(L"%1 minutes, %2 seconds"), {minutes, seconds});
        else
          text = SubstituteParams(TranslateText(L"%1 seconds"), {seconds});
      }
      if (text != lblEstTimeRemaining->Caption()) lblEstTimeRemaining->SetCaption(text);
    }
  }
  // Repainting and emptying the queue costs more than a fast write: do it every few
  // milliseconds, which keeps Cancel just as responsive.
  const ULONGLONG tick = ::GetTickCount64();
  if (tick - FLastPump < kPumpIntervalMs && FLastPump != 0) return;
  FLastPump = tick;
  if (::IsWindowVisible(Handle())) Repaint();
  Application().ProcessMessages();
}

void TVEKProgressDialog::pbCancelClick(TComponent*) {
  Cancel = true;
  pbCancel->SetEnabled(false);
  if (fConfirmCancel) ShowInfoMessage(TranslateText(L"Operation cancelled by user"));
  if (fCancelSetsModalResult) SetModalResult(mrCancel);
}

}  // namespace vek

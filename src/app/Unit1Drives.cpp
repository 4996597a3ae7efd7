// Main window: the Drive Wipe page: the list of fixed drives and the free-space wipe.
#include "app/Icons.h"
#include "app/SecurityLevels.h"
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "dialogs/MessageDlg.h"
#include "fsutil/VEKGeneral.h"

using namespace tk;

void ListDrivesOfType(UINT type, std::vector<std::wstring>& list) {
  const DWORD mask = ::GetLogicalDrives();
  for (int n = 0; n < 26; ++n) {
    if (!(mask & (1u << n))) continue;
    const std::wstring root = std::wstring(1, wchar_t(L'A' + n)) + L":\\";
    if (::GetDriveTypeW(root.c_str()) == type) list.push_back(root.substr(0, 2));
  }
}

bool GetDriveSpace(const std::wstring& drive, int64_t& totalFree, int64_t& used, int64_t& total) {
  totalFree = used = total = 0;
  ULARGE_INTEGER available{}, totalBytes{}, freeBytes{};
  if (!::GetDiskFreeSpaceExW(drive.c_str(), &available, &totalBytes, &freeBytes)) return false;
  totalFree = static_cast<int64_t>(freeBytes.QuadPart);
  total = static_cast<int64_t>(totalBytes.QuadPart);
  used = available.QuadPart > 0 ? total - totalFree : 0;
  return true;
}

void ShowShredOutcome(TShredOutcome outcome) {
  switch (outcome) {
    case soFailed:
      vek::ShowMessageDialog(vek::TranslateText(L"An error occured while carrying out the requested operation."),
                             vek::mtError, vek::Buttons({vek::mbOK}), 0);
      break;
    case soCancelled:
      vek::ShowMessageDialog(vek::TranslateText(L"User cancelled the requested operation."), vek::mtInformation,
                             vek::Buttons({vek::mbOK}), 0);
      break;
    case soCompleted:
      vek::ShowMessageDialog(vek::TranslateText(L"The operation completed successfully."), vek::mtInformation,
                             vek::Buttons({vek::mbOK}), 0);
      break;
  }
}

void TForm1::SomeNameICantThinkOfNow() {
  // The wipe addresses its rows by index: they stay as they are until it ends.
  if (FJobRunning) {
    FRefreshPending = true;
    return;
  }
  std::vector<std::wstring> drives;
  ListDrivesOfType(DRIVE_FIXED, drives);
  ListView2->Clear();
  for (const auto& drive : drives) {
    int64_t totalFree = 0, used = 0, total = 0;
    if (!GetDriveSpace(drive, totalFree, used, total)) continue;
    TListItem* row = ListView2->AddItem();
    row->SetImageIndex(iiHardDisk);
    row->SetGroupID(0);
    row->SetCaption(drive);
    row->AddSubItem(std::to_wstring(totalFree / 1048576));
    row->AddSubItem(std::to_wstring(used / 1048576));
    row->AddSubItem(std::to_wstring(total / 1048576));
  }
}

void TForm1::ComboBox3Change(TComponent*) {
  const int i = ComboBox3->ItemIndex();
  if (i < 0) return;
  test12->SetIntMethod(SecurityLevelMethod(i));
  if (Options) Options->ComboBox3->SetItemIndex(i);
}

void TForm1::FlatSpeedButton5Click(TComponent*) { RunJob([this] { WipeJob(); }); }

void TForm1::WipeJob() {
  ComboBox3Change(this);
  pbTestOverwriteDriveFreeSpace->Press();
}

void TForm1::pbTestOverwriteDriveFreeSpaceClick(TComponent*) {
  for (int i = 0; i < ListView2->Count(); ++i) {
    if (!ListView2->Items(i)->Checked()) continue;
    const TShredOutcome outcome =
        test12->OverwriteDriveFreeSpace(ListView2->Items(i)->Caption(), ckSilentOverwriteDriveFreeSpace->Checked());
    ShowShredOutcome(outcome);
  }
}

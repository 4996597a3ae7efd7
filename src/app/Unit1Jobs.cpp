// Main window: the Start job and the context-menu job, one at a time, and the elevation prompt.
#include "app/InstanceMutex.h"
#include "app/SecurityLevels.h"
#include "app/ShellEntries.h"
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "dialogs/MessageDlg.h"
#include "fsutil/VEKGeneral.h"
#include "toolkit/Application.h"

#include <shellapi.h>

#include <system_error>

using namespace tk;

namespace {

bool FileExistsAt(const std::wstring& path) {
  const DWORD a = ::GetFileAttributesW(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExistsAt(const std::wstring& path) {
  const DWORD a = ::GetFileAttributesW(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool PathExistsAt(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

TForm1::TRunAs& RunAsFunction() {
  static auto* f = new TForm1::TRunAs;
  return *f;
}

// One entry of a job, taken when the job starts.
struct TJobEntry {
  TListItem* item;
  std::wstring path;
  int group;
};

}  // namespace

void TForm1::ComboBox1Change(TComponent*) {
  const int i = ComboBox1->ItemIndex();
  if (i < 0) return;
  ShredderObj->SetIntMethod(SecurityLevelMethod(i));
  if (Options) Options->ComboBox1->SetItemIndex(i);
}

void TForm1::RunJob(std::function<void()> job) {
  // A job asked for while another runs (the engine keeps the window responsive) waits its turn.
  if (FJobRunning) {
    FPendingJobs.push_back(std::move(job));
    return;
  }
  FJobRunning = true;
  struct Done {
    TForm1* form;
    ~Done() { form->FJobRunning = false; }
  } done{this};
  ++FJobsRun;
  job();
  while (!FPendingJobs.empty()) {
    auto next = std::move(FPendingJobs.front());
    FPendingJobs.erase(FPendingJobs.begin());
    ++FJobsRun;
    next();
  }
  FJobRunning = false;
  if (FRefreshPending) {
    FRefreshPending = false;
    SomeNameICantThinkOfNow();
  }
}

void TForm1::FlatSpeedButton2Click(TComponent*) { RunJob([this] { StartJob(); }); }

void TForm1::cancellafilemenu() { RunJob([this] { ContextMenuJob(); }); }

void TForm1::RemoveEntries(const std::vector<TListItem*>& items) {
  for (TListItem* item : items) {
    const int index = item->Index();
    if (index >= 0) ListView1->Delete(index);
  }
}

int TForm1::CountGroupEntries(int groupId) const {
  int n = 0;
  for (int i = 0; i < ListView1->Count(); ++i)
    if (ListView1->Items(i)->GroupID() == groupId) ++n;
  return n;
}

bool TForm1::AskForElevation(const std::wstring& path) {
  const std::wstring text = vek::TranslateText(L"Unable to Delete ") + path +
                            vek::TranslateText(L" You will need to provide administrator permission. if you want run "
                                               L"with administrator privilege? ");
  if (vek::ShowMessageDialog(text, vek::mtCustom, vek::Buttons({vek::mbYes, vek::mbCancel}), 0) != IDYES) return false;
  vek::ShowMessageDialog(vek::TranslateText(L"You will need to provide administrator permission.!"), vek::mtCustom,
                         vek::Buttons({vek::mbOK}), 0);
  return true;
}

void TForm1::StartJob() {
  ComboBox1Change(this);
  // The entries of this job; entries added while it runs wait for the next one.
  std::vector<TJobEntry> entries;
  for (int i = 0; i < ListView1->Count(); ++i)
    entries.push_back({ListView1->Items(i), ListView1->Items(i)->Caption(), ListView1->Items(i)->GroupID()});
  auto inFolderPass = [](const TJobEntry& e) {
    return e.group == 0 || (e.group == -1 && DirectoryExistsAt(e.path));
  };
  bool relaunch = false;
  int filesDeleted = 0, foldersDeleted = 0;
  auto destroy = [&](const TJobEntry& e, bool folder) {
    // Files are overwritten whole, whatever "Delete Subfolder" says.
    ShredderObj->DestroyFileOrDir(e.path, false, Options->ckSilentDestroyFileDir->Checked(), false);
    const bool survived = folder ? DirectoryExistsAt(e.path) : FileExistsAt(e.path);
    if (survived && !relaunch) relaunch = AskForElevation(e.path);
    if (!PathExistsAt(e.path)) ++(folder ? foldersDeleted : filesDeleted);
  };
  std::vector<TJobEntry> folderPass;
  for (const TJobEntry& e : entries) {
    if (inFolderPass(e))
      folderPass.push_back(e);
    else
      destroy(e, false);
  }
  for (const TJobEntry& e : folderPass) destroy(e, true);

  StatusBar1->SetSimpleText(L"Successfuly Erased....    (" + std::to_wstring(filesDeleted) + L")" +
                            L" Files Deleted  " + L"(" + std::to_wstring(foldersDeleted) + L")" + L" Folders Deleted");
  if (relaunch) {
    std::vector<std::wstring> survivors;
    for (const TJobEntry& e : entries)
      if (PathExistsAt(e.path)) survivors.push_back(e.path);
    // A restart that did not happen loses nothing: the list stays as it is.
    if (RelaunchElevated(survivors)) return;
  } else {
    std::vector<TListItem*> processed;
    for (const TJobEntry& e : entries) processed.push_back(e.item);
    RemoveEntries(processed);
  }
  if (Options->CheckBox10->Checked()) {
    TrayIcon1->SetBalloonHint(vek::TranslateText(L"The operation completed."));
    TrayIcon1->ShowBalloonHint();
  }
  if (Options->CheckBox4->Checked()) Close();
}

void TForm1::ContextMenuJob() {
  ComboBox1Change(this);
  std::vector<TListItem*> processed;
  std::vector<std::wstring> paths;
  for (int i = 0; i < ListView1->Count(); ++i) {
    processed.push_back(ListView1->Items(i));
    paths.push_back(ListView1->Items(i)->Caption());
  }
  for (const auto& path : paths)
    ShredderObj->DestroyFileOrDir(path, false, Options->ckSilentDestroyFileDir->Checked(), false);
  startprogramhide();
  RemoveEntries(processed);
}

void TForm1::SetShellRunAsFunction(TRunAs f) { RunAsFunction() = std::move(f); }

void TForm1::ShellRunAs(const std::wstring& file, const std::wstring& parameters, HWND owner) {
  if (RunAsFunction()) {
    RunAsFunction()(file, parameters);
    return;
  }
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
  info.hwnd = owner;
  info.lpVerb = L"runas";
  info.lpFile = file.c_str();
  info.lpParameters = parameters.c_str();
  info.nShow = SW_SHOWNORMAL;
  if (!::ShellExecuteExW(&info)) {
    const DWORD code = ::GetLastError();
    throw std::system_error(static_cast<int>(code), std::system_category());
  }
}

bool TForm1::RelaunchElevated(const std::vector<std::wstring>& paths) {
  std::wstring parameters;
  for (const auto& p : paths) parameters += (parameters.empty() ? L"\"" : L" \"") + p + L"\"";
  // The new instance must get through the gate while this one still runs.
  ReleaseInstanceMutex();
  try {
    ShellRunAs(ProgramPath(), parameters, nullptr);
  } catch (const std::exception& e) {
    ReacquireInstanceMutex();
    Application().HandleException(e);
    return false;
  }
  Application().Terminate();
  return true;
}

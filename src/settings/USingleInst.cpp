// TSingleInst: the mutex gate, the copy-data hand-over and its receiving end.
#include "settings/USingleInst.h"

#include "toolkit/Application.h"

#include <cassert>

namespace {

std::function<std::unique_ptr<TSingleInst>()>& Factory() {
  static std::function<std::unique_ptr<TSingleInst>()> factory;
  return factory;
}

std::unique_ptr<TSingleInst>& Manager() {
  static std::unique_ptr<TSingleInst> manager;
  return manager;
}

}  // namespace

std::vector<std::wstring> SplitCommandLine(const wchar_t* p) {
  std::vector<std::wstring> args;
  if (!p) return args;
  auto next = [&p]() {
    for (;;) {
      while (*p != L'\0' && *p <= L' ') ++p;
      if (p[0] == L'"' && p[1] == L'"') p += 2;
      else break;
    }
    std::wstring arg;
    bool quoted = false;
    while (*p != L'\0' && (quoted || *p > L' ')) {
      if (*p == L'"') quoted = !quoted;
      else arg += *p;
      ++p;
    }
    return arg;
  };
  next();  // the program name
  for (std::wstring arg = next(); !arg.empty(); arg = next()) args.push_back(arg);
  return args;
}

TSingleInst::TSingleInst()
    : fEnsureRestoreMsg(::RegisterWindowMessageW(L"USINGLEINST_ENSURERESTORE")),
      FParameters(SplitCommandLine(::GetCommandLineW())) {}

void TSingleInst::CreateParams(tk::TCreateParams& Params) const {
  Params.WinClassName = MainWindowClassName().substr(0, 63);
}

HWND TSingleInst::FindRunningMainWindow() const {
  return ::FindWindowW(MainWindowClassName().substr(0, 63).c_str(), nullptr);
}

bool TSingleInst::HandleMessages(HWND Wdw, TMessage& Msg) {
  if (Msg.Msg == WM_COPYDATA) {
    ReceiveParameters(Msg);
    return true;
  }
  if (Msg.Msg == fEnsureRestoreMsg) {
    BringAppToFront(Wdw);
    return true;
  }
  return false;
}

bool TSingleInst::CanStartApp() {
  HWND wnd = FindRunningMainWindow();
  if (!wnd) return true;
  return !HandOverToRunningInstance(wnd);
}

bool TSingleInst::HandOverToRunningInstance(HWND wnd) {
  assert(wnd);
  const bool ok = FParameters.empty() || ForwardParameters(wnd);
  if (ok) ::SendMessageW(wnd, fEnsureRestoreMsg, 0, 0);
  return ok;
}

bool TSingleInst::ForwardParameters(HWND wnd) const {
  std::wstring data;
  for (const auto& p : FParameters) {
    data += p;
    data += L'\0';
  }
  data += L'\0';
  COPYDATASTRUCT record{};
  record.dwData = CopyDataSignature();
  record.cbData = static_cast<DWORD>(data.size() * sizeof(wchar_t));
  record.lpData = data.data();
  return ::SendMessageW(wnd, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&record)) == 1;
}

void TSingleInst::ReceiveParameters(TMessage& Msg) {
  const auto* record = reinterpret_cast<const COPYDATASTRUCT*>(Msg.LParam);
  Msg.Result = 0;
  // Only data that is there, in whole characters, is read.
  if (!record || record->dwData != CopyDataSignature() || (record->cbData > 0 && !record->lpData) ||
      record->cbData % sizeof(wchar_t) != 0)
    return;
  const auto* text = static_cast<const wchar_t*>(record->lpData);
  const size_t count = record->cbData / sizeof(wchar_t);
  std::vector<std::wstring> params;
  size_t pos = 0;
  while (pos < count && text[pos] != L'\0') {
    size_t end = pos;
    while (end < count && text[end] != L'\0') ++end;
    if (end == count) break;  // no terminator inside the data: a fragment, not a parameter
    params.emplace_back(text + pos, end - pos);
    pos = end + 1;
  }
  Msg.Result = 1;
  for (const auto& p : params)
    if (fOnProcessParam) fOnProcessParam(p);
}

void TSingleInst::BringAppToFront(HWND Wdw) {
  tk::TApplication& app = tk::Application();
  if (tk::TForm* main = app.MainForm()) {
    if (::IsIconic(main->Handle())) app.Restore();
    if (!main->Visible()) main->Show();
  }
  app.BringToFront();
  ::SetForegroundWindow(Wdw);
}

TSingleInst& SingleInstManager() {
  if (!Manager()) Manager() = Factory() ? Factory()() : std::make_unique<TSingleInst>();
  return *Manager();
}

void UseSingleInstClass(std::function<std::unique_ptr<TSingleInst>()> factory) { Factory() = std::move(factory); }

bool PassSingleInstanceGate(tk::UniqueKernelHandle& mutex) {
  mutex.Reset(::CreateMutexW(nullptr, TRUE, L"My_Unique_Application_Mutex_Name"));
  if (mutex && ::GetLastError() != ERROR_ALREADY_EXISTS) return true;
  mutex.Reset();
  SingleInstManager().CanStartApp();
  return false;
}

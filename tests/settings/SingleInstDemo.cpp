// A small program with the single-instance gate and a window of the program's class. It
// appends what it receives to the file named by TAMBERLOCK_RECORD: "param:<text>" for each
// forwarded parameter and "front" for each restore request.
#include "settings/UMySingleInst.h"
#include "toolkit/Application.h"
#include "toolkit/Forms.h"

#include <windows.h>

#include <string>

namespace {

void Record(const std::wstring& line) {
  wchar_t path[MAX_PATH] = {};
  if (!::GetEnvironmentVariableW(L"TAMBERLOCK_RECORD", path, MAX_PATH)) return;
  HANDLE h = ::CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return;
  const std::wstring text = line + L"\n";
  DWORD written = 0;
  ::WriteFile(h, text.data(), static_cast<DWORD>(text.size() * sizeof(wchar_t)), &written, nullptr);
  ::CloseHandle(h);
}

class RecordingSingleInst : public TMySingleInst {
 public:
  void BringAppToFront(HWND wnd) override {
    Record(L"front");
    TMySingleInst::BringAppToFront(wnd);
  }
};

class DemoForm : public tk::TForm {
 public:
  explicit DemoForm(const tk::TCreateParams& p) : tk::TForm(nullptr, p) { SetCaption(L"Single instance demo"); }

 protected:
  bool WndProc(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
    TMessage m{msg, wParam, lParam, 0};
    if (SingleInstManager().HandleMessages(Handle(), m)) {
      result = m.Result;
      return true;
    }
    return tk::TForm::WndProc(msg, wParam, lParam, result);
  }
};

}  // namespace

int wmain() {
  UseSingleInstClass<RecordingSingleInst>();
  tk::UniqueKernelHandle mutex;
  if (!PassSingleInstanceGate(mutex)) return 0;
  tk::Application().Initialize();
  tk::TCreateParams params;
  SingleInstManager().CreateParams(params);
  DemoForm form(params);
  tk::Application().SetMainForm(&form);
  SingleInstManager().SetOnProcessParam([](const std::wstring& p) { Record(L"param:" + p); });
  form.Show();
  tk::Application().Run();
  return 0;
}

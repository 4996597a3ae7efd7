// TApplication: the message loop, the main form, the title, and the error report.
#pragma once

#include "toolkit/Component.h"
#include "toolkit/Events.h"

#include <windows.h>

#include <exception>
#include <functional>
#include <string>

namespace tk {

class TForm;

enum TCursor { crDefault, crHourGlass, crAppStart };

class TApplication : public TComponent {
 public:
  TApplication();
  ~TApplication() override;
  std::wstring ClassName() const override { return L"TApplication"; }

  // Common controls, COM for the shell dialogs.
  void Initialize();
  // Runs the message loop until Terminate.
  void Run();
  // Dispatches every pending message, then returns.
  void ProcessMessages();
  void Terminate();
  bool Terminated() const { return FTerminated; }
  // Takes back a Terminate that has not ended the loop yet (its quit message included).
  void CancelTerminate();

  void Minimize();
  void Restore();
  void BringToFront();

  const std::wstring& Title() const { return FTitle; }
  void SetTitle(const std::wstring& value) { FTitle = value; }
  TForm* MainForm() const { return FMainForm; }
  void SetMainForm(TForm* form) { FMainForm = form; }

  // Shows the error's message in a message box. Every window procedure, hook and thread entry
  // ends its exceptions here.
  void HandleException(const std::exception& e);
  void HandleException(const std::wstring& message);
  // Replaces the box HandleException shows (tests record instead of waiting on a person).
  using TErrorReporter = std::function<void(const std::wstring& message)>;
  void SetErrorReporter(TErrorReporter reporter) { FErrorReporter = std::move(reporter); }

  TCursor ScreenCursor() const { return FCursor; }
  void SetScreenCursor(TCursor cursor);

  // Runs f, sending any exception to HandleException. For every boundary callbacks cross.
  template <typename F>
  void Guard(F&& f) noexcept {
    try {
      f();
    } catch (const std::exception& e) {
      HandleException(e);
    } catch (...) {
      HandleException(L"Unknown error");
    }
  }

 private:
  // Looks at one message without removing it, then removes and dispatches it.
  bool HandleOneMessage();

  std::wstring FTitle;
  TForm* FMainForm = nullptr;
  bool FTerminated = false;
  TCursor FCursor = crDefault;
  TErrorReporter FErrorReporter;
  bool FComInitialized = false;
};

// The one application object of the process; created on first use.
TApplication& Application();

// UTF-8 (exception messages) to UTF-16, and back.
std::wstring Widen(const std::string& text);
std::string ToUtf8(const std::wstring& text);

}  // namespace tk

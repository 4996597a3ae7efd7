// TSingleInst: one running instance; a second start hands its parameters to the first one
// (one copy-data message), asks it to come to the front, and ends.
#pragma once

#include "toolkit/Forms.h"
#include "toolkit/Handles.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

using TSingleInstParamHandler = std::function<void(const std::wstring& Param)>;

// A window message with its parameters and result.
struct TMessage {
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
  LRESULT Result;
};

// The parameters of a command line after the program name: blanks and control characters
// separate them, double quotes group and are dropped, an empty pair of quotes at the start of
// a parameter is skipped, and the list ends at the first empty parameter.
std::vector<std::wstring> SplitCommandLine(const wchar_t* commandLine);

class TSingleInst {
 public:
  TSingleInst();
  virtual ~TSingleInst() = default;

  virtual std::wstring MainWindowClassName() const { return L"SingleInst.MainWdw"; }
  virtual uint32_t CopyDataSignature() const { return 0; }
  virtual HWND FindRunningMainWindow() const;
  virtual bool ForwardParameters(HWND wnd) const;
  virtual void BringAppToFront(HWND Wdw);
  virtual void ReceiveParameters(TMessage& Msg);

  // Gives the main window the class name by which a second instance finds it.
  void CreateParams(tk::TCreateParams& Params) const;
  // The main window calls this first for every message; true when it was handled here.
  bool HandleMessages(HWND Wdw, TMessage& Msg);
  // True when this instance should start; false when it handed over to a running one.
  bool CanStartApp();

  const TSingleInstParamHandler& OnProcessParam() const { return fOnProcessParam; }
  void SetOnProcessParam(TSingleInstParamHandler h) { fOnProcessParam = std::move(h); }

  // The parameters to hand over; this process's own command line by default.
  void SetParameters(std::vector<std::wstring> params) { FParameters = std::move(params); }
  const std::vector<std::wstring>& Parameters() const { return FParameters; }

 protected:
  bool HandOverToRunningInstance(HWND wnd);

 private:
  TSingleInstParamHandler fOnProcessParam;
  UINT fEnsureRestoreMsg;
  std::vector<std::wstring> FParameters;
};

// The one manager of the process, of the class last named with UseSingleInstClass.
TSingleInst& SingleInstManager();
void UseSingleInstClass(std::function<std::unique_ptr<TSingleInst>()> factory);
template <typename T>
void UseSingleInstClass() {
  UseSingleInstClass([] { return std::unique_ptr<TSingleInst>(new T()); });
}

// The start-up gate: true for the first instance, which then holds `mutex` for its whole run.
// A later instance hands over to the running one and gets false: it must end with exit code 0.
bool PassSingleInstanceGate(tk::UniqueKernelHandle& mutex);

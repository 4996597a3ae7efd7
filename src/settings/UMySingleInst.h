// TMySingleInst: this program's window class name and message signature for the hand-over.
#pragma once

#include "settings/USingleInst.h"

class TMySingleInst : public TSingleInst {
 public:
  std::wstring MainWindowClassName() const override { return L"Varnholt.SingleInstDemo.1"; }
  uint32_t CopyDataSignature() const override { return 0x4B7C2E91; }
};

// Makes the process's manager a TMySingleInst; the program entry calls it first.
void UseMySingleInst();

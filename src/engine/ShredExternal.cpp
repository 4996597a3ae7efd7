// External programs: template formatting and launching.
#include "engine/ShredExternal.h"

#include <windows.h>

std::string FormatExternalCommand(const std::string& templ, const std::wstring& argument) {
  std::string arg;
  if (!argument.empty()) {
    int n = ::WideCharToMultiByte(CP_ACP, 0, argument.c_str(), static_cast<int>(argument.size()),
                                  nullptr, 0, nullptr, nullptr);
    arg.resize(n);
    ::WideCharToMultiByte(CP_ACP, 0, argument.c_str(), static_cast<int>(argument.size()), arg.data(),
                          n, nullptr, nullptr);
  }
  std::string out;
  bool used = false;
  for (size_t i = 0; i < templ.size(); ++i) {
    if (templ[i] == '%' && i + 1 < templ.size()) {
      if (templ[i + 1] == '%') {
        out += '%';
        ++i;
        continue;
      }
      if (templ[i + 1] == 's' && !used) {
        out += arg;
        used = true;
        ++i;
        continue;
      }
    }
    out += templ[i];
  }
  return out;
}

unsigned LaunchExternal(const std::string& commandLine, int showState) {
  return ::WinExec(commandLine.c_str(), static_cast<UINT>(showState));
}

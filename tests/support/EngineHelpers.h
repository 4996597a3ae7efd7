// Engine test helpers: the recording stand-in program, waiting for its output, file sizes.
#pragma once

#include "toolkit/Handles.h"

#include <windows.h>

#include <string>

namespace testsupport {

// Full path of a program built beside the running test.
std::wstring ProgramBesideTest(const std::wstring& exeName);
// A copy of that program in the temp folder on C:. The build folder is reached through a unix
// path that a command line cannot start from; the copy can be started. Made once per name.
std::wstring ProgramOnC(const std::wstring& exeName);
// Starts "<program>" args; an empty handle when it did not start.
tk::UniqueKernelHandle StartProgram(const std::wstring& program, const std::wstring& args);
// A command template that makes record_args.exe append its command line to `outFile`, with
// the engine's argument where "%s" stands.
std::string RecordTemplate(const std::wstring& outFile);
// Waits until `outFile` holds at least `lines` lines; returns its text (UTF-8).
std::string WaitForLines(const std::wstring& outFile, int lines, int timeoutMs = 10000);
// Size of a file without opening it (works while another handle holds it exclusively).
int64_t SizeOf(const std::wstring& path);
// True when the scratch drive T: of the test prefix is there.
bool HaveScratchDrive();
// True under Wine, where some platform features (removing unix symlinks) are missing.
bool RunningOnWine();

}  // namespace testsupport

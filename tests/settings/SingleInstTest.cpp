// The single-instance protocol: command-line splitting, the receiving end's rules, and real
// first and second processes exchanging their parameters.
#include "settings/UMySingleInst.h"
#include "support/EngineHelpers.h"
#include "support/TestFiles.h"
#include "toolkit/Handles.h"

#include <gtest/gtest.h>

using namespace testsupport;

namespace {

struct SplitCase {
  const wchar_t* commandLine;
  std::vector<std::wstring> params;
};

class Split : public testing::TestWithParam<SplitCase> {};

TEST_P(Split, FollowsTheStartUpRules) { EXPECT_EQ(SplitCommandLine(GetParam().commandLine), GetParam().params); }

INSTANTIATE_TEST_SUITE_P(
    Cases, Split,
    testing::Values(
        SplitCase{L"prog.exe \"C:\\My Files\\a b.txt\" \"\" plain.txt", {L"C:\\My Files\\a b.txt", L"plain.txt"}},
        SplitCase{L"\"C:\\Program Files\\T\\prog.exe\" x", {L"x"}},
        SplitCase{L"prog", {}},
        SplitCase{L"prog a\tb  c", {L"a", L"b", L"c"}},
        SplitCase{L"prog C:\\\"quoted part\"\\x", {L"C:\\quoted part\\x"}},
        SplitCase{L"prog a \"\"\"\" b", {L"a", L"b"}}));

// Sends a copy-data record to a manager's receiving end and returns its reply.
LRESULT Receive(TSingleInst& inst, ULONG_PTR signature, const void* data, DWORD bytes,
                std::vector<std::wstring>& got) {
  got.clear();
  inst.SetOnProcessParam([&](const std::wstring& p) { got.push_back(p); });
  COPYDATASTRUCT record{signature, bytes, const_cast<void*>(data)};
  TMessage m{WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&record), 99};
  EXPECT_TRUE(inst.HandleMessages(nullptr, m));
  return m.Result;
}

TEST(ReceiveParameters, SignatureTerminatorsAndBounds) {
  TMySingleInst inst;
  std::vector<std::wstring> got;
  const wchar_t list[] = L"one\0two\0\0";
  EXPECT_EQ(Receive(inst, 0x4B7C2E91, list, sizeof(list) - 2, got), 1);
  EXPECT_EQ(got, (std::vector<std::wstring>{L"one", L"two"}));

  EXPECT_EQ(Receive(inst, 0, list, sizeof(list) - 2, got), 0) << "another program's signature";
  EXPECT_TRUE(got.empty());

  const wchar_t gap[] = L"x\0\0y\0\0";
  EXPECT_EQ(Receive(inst, 0x4B7C2E91, gap, sizeof(gap) - 2, got), 1);
  EXPECT_EQ(got, (std::vector<std::wstring>{L"x"})) << "an empty string ends the list";

  // cbData ends inside "two": only the complete string is delivered, nothing beyond is read.
  EXPECT_EQ(Receive(inst, 0x4B7C2E91, list, 6 * 2, got), 1);
  EXPECT_EQ(got, (std::vector<std::wstring>{L"one"}));

  EXPECT_EQ(Receive(inst, 0x4B7C2E91, list, 7, got), 0) << "odd byte count";
  EXPECT_EQ(Receive(inst, 0x4B7C2E91, nullptr, 8, got), 0) << "no data";
  EXPECT_TRUE(got.empty());
}

TEST(SingleInst, ClassNameAndSignature) {
  TMySingleInst mine;
  TSingleInst base;
  EXPECT_EQ(mine.MainWindowClassName(), L"Varnholt.SingleInstDemo.1");
  EXPECT_EQ(mine.CopyDataSignature(), 0x4B7C2E91u);
  EXPECT_EQ(base.MainWindowClassName(), L"SingleInst.MainWdw");
  EXPECT_EQ(base.CopyDataSignature(), 0u);
  tk::TCreateParams p;
  mine.CreateParams(p);
  EXPECT_EQ(p.WinClassName, L"Varnholt.SingleInstDemo.1");
}

// --- Real processes ----------------------------------------------------------------------------

tk::UniqueKernelHandle Start(const std::wstring& args) {
  return StartProgram(ProgramOnC(L"single_inst_demo.exe"), args);
}

std::wstring ReadRecord(const std::wstring& path) {
  const std::string bytes = ReadFileBytes(path);
  return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / 2);
}

HWND WaitForMainWindow() {
  for (int i = 0; i < 500; ++i) {
    if (HWND w = ::FindWindowW(L"Varnholt.SingleInstDemo.1", nullptr)) return w;
    ::Sleep(20);
  }
  return nullptr;
}

TEST(SingleInstProcesses, SecondStartForwardsItsPathsThenRestores) {
  TempDir tmp;
  const std::wstring record = tmp / L"record.txt";
  ::SetEnvironmentVariableW(L"TAMBERLOCK_RECORD", record.c_str());
  tk::UniqueKernelHandle first = Start(L"");
  ASSERT_TRUE(first.Valid());
  HWND wnd = WaitForMainWindow();
  ASSERT_TRUE(wnd) << "the first instance's window never appeared";

  tk::UniqueKernelHandle second = Start(L"C:\\one.txt \"C:\\with blank\\two.txt\" \"\" C:\\three.txt");
  ASSERT_EQ(::WaitForSingleObject(second.Get(), 20000), WAIT_OBJECT_0);
  DWORD code = 99;
  ::GetExitCodeProcess(second.Get(), &code);
  EXPECT_EQ(code, 0u);
  EXPECT_EQ(ReadRecord(record), L"param:C:\\one.txt\nparam:C:\\with blank\\two.txt\nparam:C:\\three.txt\nfront\n");

  tk::UniqueKernelHandle third = Start(L"");
  ASSERT_EQ(::WaitForSingleObject(third.Get(), 20000), WAIT_OBJECT_0);
  EXPECT_EQ(ReadRecord(record),
            L"param:C:\\one.txt\nparam:C:\\with blank\\two.txt\nparam:C:\\three.txt\nfront\nfront\n")
      << "without parameters only the restore";

  // Another program's signature is turned away by the running instance.
  const wchar_t data[] = L"intruder\0\0";
  COPYDATASTRUCT foreign{0, sizeof(data), const_cast<wchar_t*>(data)};
  EXPECT_EQ(::SendMessageW(wnd, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&foreign)), 0);
  EXPECT_EQ(ReadRecord(record).find(L"intruder"), std::wstring::npos);

  ::PostMessageW(wnd, WM_CLOSE, 0, 0);
  EXPECT_EQ(::WaitForSingleObject(first.Get(), 20000), WAIT_OBJECT_0);
  ::SetEnvironmentVariableW(L"TAMBERLOCK_RECORD", nullptr);
}

}  // namespace

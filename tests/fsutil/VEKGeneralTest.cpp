// Path forms, file times, placeholders, character counts, OS classification, partitions.
#include "fsutil/VEKGeneral.h"
#include "support/TestFiles.h"
#include "toolkit/Handles.h"

#include <gtest/gtest.h>

#include <cwctype>

using namespace testsupport;
using namespace vek;

namespace {

std::wstring Lower(std::wstring s) {
  for (auto& c : s) c = static_cast<wchar_t>(std::towlower(c));
  return s;
}

TEST(PathForms, ShortAndLongRoundTripOnRealLongNames) {
  TempDir tmp;
  const std::wstring dir = tmp / L"A Folder With A Long Name";
  const std::wstring file = dir + L"\\a file with a long name.txt";
  MakeDir(dir);
  MakeFile(file, "x");

  const std::wstring shortForm = ShortPathOf(file);
  ASSERT_FALSE(shortForm.empty());
  EXPECT_EQ(shortForm.find(L"a file with"), std::wstring::npos) << "elements are 8.3 names";
  EXPECT_NE(shortForm.find(L'~'), std::wstring::npos);

  const std::wstring longForm = LongPathOf(shortForm);
  EXPECT_EQ(Lower(longForm), Lower(file));
  EXPECT_EQ(longForm.substr(longForm.size() - 28), L"\\a file with a long name.txt");
  EXPECT_EQ(LongPathOf(Lower(shortForm)), longForm) << "drive letter upper-cased";
  EXPECT_EQ(longForm[0], L'C');

  // A lower-case drive letter comes back upper-case from the short form too.
  EXPECT_EQ(ShortPathOf(Lower(file))[0], L'C');
  EXPECT_EQ(LongNameOfPathElement(dir), L"A Folder With A Long Name");
}

TEST(PathForms, MissingPathGivesEmpty) {
  TempDir tmp;
  EXPECT_EQ(ShortPathOf(tmp / L"no such file.txt"), L"");
  EXPECT_EQ(LongPathOf(tmp / L"no such file.txt"), L"");
  EXPECT_EQ(ShortPathOf(L""), L"");
  EXPECT_EQ(LongNameOfPathElement(tmp / L"missing"), L"");
}

struct SubstCase {
  const wchar_t* templ;
  std::vector<TSubstArg> args;
  const wchar_t* expected;
};

class Substitute : public testing::TestWithParam<SubstCase> {};

TEST_P(Substitute, FillsNumberedPlaceholders) {
  EXPECT_EQ(SubstituteParams(GetParam().templ, GetParam().args), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Substitute,
    testing::Values(
        SubstCase{L"%1 days, %2 hours", {3, 4}, L"3 days, 4 hours"},
        SubstCase{L"%1|%10|%2", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, L"1|10|2"},
        SubstCase{L"%1 and %1", {L"x"}, L"x and x"},
        SubstCase{L"%1 left %3", {L"a"}, L"a left %3"},
        SubstCase{L"no args %1", {}, L"no args %1"},
        SubstCase{L"%2", {L"filled", L"%1"}, L"filled"},  // text put in is searched again
        SubstCase{L"%1%2", {L'C', std::wstring(L"\\")}, L"C\\"},
        SubstCase{L"%1 bytes", {-1234567890123LL}, L"-1234567890123 bytes"}));

TEST(CountChar, CountsCodeUnits) {
  EXPECT_EQ(CountChar(L'\\', L"\\\\server\\share"), 3);
  EXPECT_EQ(CountChar(L'x', L""), 0);
  EXPECT_EQ(CountChar(L'a', L"banana"), 3);
}

TEST(FileTimes, SetFromDosDateTimeAndReadBack) {
  TempDir tmp;
  const std::wstring file = tmp / L"t.bin";
  MakeFile(file, "abc");
  // 1 January 1980, 00:00:00 and 20 June 2001, 13:45:30.
  for (uint32_t dos : {0x00210000u, (uint32_t((21 << 9) | (6 << 5) | 20) << 16) | (13 << 11) | (45 << 5) | 15}) {
    {
      tk::UniqueKernelHandle h(::CreateFileW(file.c_str(), GENERIC_WRITE | FILE_WRITE_ATTRIBUTES,
                                             0, nullptr, OPEN_EXISTING, 0, nullptr));
      ASSERT_TRUE(h.Valid());
      EXPECT_EQ(SetFileTimesFromDosDateTime(h.Get(), dos), 0u);
    }
    tk::UniqueKernelHandle h(::CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                           OPEN_EXISTING, 0, nullptr));
    FILETIME created{}, accessed{}, written{};
    ASSERT_TRUE(::GetFileTime(h.Get(), &created, &accessed, &written));
    for (const FILETIME& utc : {created, accessed, written}) {
      FILETIME local{};
      WORD date = 0, time = 0;
      ASSERT_TRUE(::FileTimeToLocalFileTime(&utc, &local));
      ASSERT_TRUE(::FileTimeToDosDateTime(&local, &date, &time));
      EXPECT_EQ((uint32_t(date) << 16) | time, dos);
    }
  }
}

TEST(FileTimes, BadHandleReportsTheError) {
  EXPECT_NE(SetFileTimesFromDosDateTime(INVALID_HANDLE_VALUE, 0x00210000u), 0u);
}

TEST(Partition, NotADeviceGivesFalseAndLeavesTheRecord) {
  TempDir tmp;
  MakeFile(tmp / L"plain.bin", "data");
  PARTITION_INFORMATION record{};
  record.PartitionNumber = 77;
  EXPECT_FALSE(GetPartitionInformation(tmp / L"plain.bin", record));
  EXPECT_FALSE(GetPartitionInformation(tmp / L"missing.bin", record));
  EXPECT_EQ(record.PartitionNumber, 77u);
  static_assert(sizeof(PARTITION_INFORMATION) == 32);
}

struct VersionCase {
  DWORD platform, major, minor;
  BYTE product;
  int metric;
  TOSVersionClass expected;
};

class OSVersion : public testing::TestWithParam<VersionCase> {};

TEST_P(OSVersion, Classifies) {
  const auto& c = GetParam();
  EXPECT_EQ(ClassifyOSVersion(c.platform, c.major, c.minor, c.product, c.metric), c.expected);
}

constexpr DWORD NT = VER_PLATFORM_WIN32_NT, W9X = VER_PLATFORM_WIN32_WINDOWS;
constexpr BYTE WS = VER_NT_WORKSTATION, SRV = VER_NT_SERVER;

INSTANTIATE_TEST_SUITE_P(
    Table, OSVersion,
    testing::Values(VersionCase{W9X, 4, 0, 0, 0, ovWin95}, VersionCase{W9X, 4, 10, 0, 0, ovWin98},
                    VersionCase{W9X, 4, 90, 0, 0, ovWinMe}, VersionCase{NT, 4, 0, WS, 0, ovWinNT},
                    VersionCase{NT, 5, 0, WS, 0, ovWin2000}, VersionCase{NT, 5, 3, WS, 0, ovWin2000},
                    VersionCase{NT, 5, 1, WS, 0, ovWinXP}, VersionCase{NT, 5, 2, SRV, 1, ovWin52Metric},
                    VersionCase{NT, 5, 2, SRV, 0, ovWin52}, VersionCase{NT, 6, 0, WS, 0, ovWinVista},
                    VersionCase{NT, 6, 0, SRV, 0, ovWinServer2008},
                    VersionCase{NT, 6, 1, SRV, 0, ovWinServer2008R2},
                    VersionCase{NT, 6, 1, WS, 0, ovWin7}, VersionCase{NT, 6, 2, WS, 0, ovWinVista},
                    VersionCase{NT, 6, 3, SRV, 0, ovWinVista}, VersionCase{NT, 10, 0, WS, 0, ovWin7}));

TEST(OSVersion, RunningSystemIsVistaOrLater) {
  EXPECT_TRUE(IsVistaOrLater());
}

TEST(Links, PathExistsFollowsLinksAndDirectoryLinkNeedsTheReparseFlag) {
  TempDir tmp;
  MakeDir(tmp / L"plain");
  EXPECT_TRUE(PathExists(tmp / L"plain"));
  EXPECT_FALSE(IsDirectoryLink(tmp / L"plain"));
  EXPECT_FALSE(PathExists(tmp / L"gone"));
  EXPECT_FALSE(IsDirectoryLink(L""));
  EXPECT_FALSE(IsDirectoryLink(L"C:\\"));
  EXPECT_FALSE(IsDirectoryLink(L"C:"));
}

}  // namespace

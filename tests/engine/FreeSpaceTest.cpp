// Free space on the scratch drive T: (a small tmpfs), never on C: or the host.
#include "dialogs/MessageDlg.h"
#include "engine/ShredRandom.h"
#include "engine/Shredder.h"
#include "support/EngineHelpers.h"
#include "support/TestFiles.h"
#include "toolkit/Application.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>

using namespace testsupport;

namespace {

int64_t FreeOnT() {
  ULARGE_INTEGER available{};
  return ::GetDiskFreeSpaceExW(L"T:\\", &available, nullptr, nullptr) ? int64_t(available.QuadPart) : -1;
}

// Names in the root of T: that a run leaves behind.
std::vector<std::wstring> Leftovers() {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW fd{};
  HANDLE h = ::FindFirstFileW(L"T:\\*", &fd);
  if (h == INVALID_HANDLE_VALUE) return names;
  do {
    std::wstring n = fd.cFileName;
    if (n != L"." && n != L"..") names.push_back(n);
  } while (::FindNextFileW(h, &fd));
  ::FindClose(h);
  return names;
}

class FreeSpace : public testing::Test {
 protected:
  void SetUp() override {
    if (!HaveScratchDrive()) GTEST_SKIP() << "no scratch drive T: (a tmpfs needs root to mount)";
    tk::Application().Initialize();
    engine.SetIntMethod(smZeros);
    ASSERT_TRUE(Leftovers().empty()) << "T: must start empty";
  }
  TShredder engine;
};

TEST(FillerSize, SmartRuleTable) {
  TShredder e;
  struct Row { int64_t free; int64_t size; };
  for (Row r : {Row{20LL << 30, 52428800}, Row{300LL << 20, 31457280}, Row{20LL << 20, 5242880},
                Row{0, 5242880}}) {
    EXPECT_EQ(e.FillerFileSize(r.free), r.size) << r.free;
  }
  e.SetIntFreeSpcFileSize(4194304);  // the setting caps the smart size
  EXPECT_EQ(e.FillerFileSize(300LL << 20), 4194304);
  e.SetIntFreeSpcSmartFileSize(false);
  e.SetIntFreeSpcFileSize(1000);
  EXPECT_EQ(e.FillerFileSize(20LL << 30), 1000);
  EXPECT_EQ(TShredder::FillerFileName(L"C:\\~Tamberlock4711.tmp", 12), L"C:\\~Tamberlock4711.tmp\\~Tamberlocktmp.12");
}

TEST_F(FreeSpace, FillsEverythingThenLeavesNothingBehind) {
  const int64_t before = FreeOnT();
  std::vector<int64_t> sizes;
  std::set<std::wstring> folders;
  engine.SetOnStartingFileOverwritePass([&](tk::TComponent*, const std::wstring& item, int, int) {
    sizes.push_back(SizeOf(item));
    folders.insert(item.substr(0, item.find_last_of(L'\\')));
  });
  EXPECT_EQ(engine.OverwriteDriveFreeSpace(L"t:", true), soCompleted);
  ASSERT_GE(sizes.size(), 2u);
  const int64_t filler = engine.FillerFileSize(before);
  for (size_t i = 0; i + 1 < sizes.size(); ++i) EXPECT_EQ(sizes[i], filler) << "filler " << i + 1;
  EXPECT_LE(sizes.back(), filler) << "the last filler takes what is left";
  int64_t total = 0;
  for (int64_t s : sizes) total += s;
  EXPECT_GE(total, before - 2 * 1048576) << "nearly all free space was covered";
  ASSERT_EQ(folders.size(), 1u);
  EXPECT_TRUE(std::regex_match(*folders.begin(), std::wregex(L"T:\\\\~Tamberlock[0-9]{1,4}\\.tmp")));
  EXPECT_TRUE(Leftovers().empty());
  EXPECT_EQ(FreeOnT(), before);
}

TEST_F(FreeSpace, FixedFillerSizeWithoutSmartSizing) {
  engine.SetIntFreeSpcSmartFileSize(false);
  engine.SetIntFreeSpcFileSize(20 << 20);
  std::vector<int64_t> sizes;
  engine.SetOnStartingFileOverwritePass([&](tk::TComponent*, const std::wstring& item, int, int) { sizes.push_back(SizeOf(item)); });
  EXPECT_EQ(engine.OverwriteDriveFreeSpace(L"T", true), soCompleted);
  ASSERT_GE(sizes.size(), 2u);
  for (size_t i = 0; i + 1 < sizes.size(); ++i) EXPECT_EQ(sizes[i], 20 << 20);
  EXPECT_TRUE(Leftovers().empty());
}

TEST_F(FreeSpace, CancelDuringTheThirdFillerLeavesNothing) {
  const int64_t before = FreeOnT();
  int fillers = 0;
  engine.SetOnStartingFileOverwritePass([&](tk::TComponent*, const std::wstring&, int, int) { ++fillers; });
  engine.SetOnCheckForUserCancel([&](tk::TComponent*, bool& cancel) { cancel = fillers == 3; });
  EXPECT_EQ(engine.OverwriteDriveFreeSpace(L"T:\\", true), soCancelled);
  EXPECT_EQ(fillers, 3);
  EXPECT_TRUE(Leftovers().empty());
  EXPECT_EQ(FreeOnT(), before);
}

TEST_F(FreeSpace, FillerThatCannotBeCreatedFailsAndLeavesNothing) {
  // Reuse of a work folder left behind: its first filler's name is taken by a folder.
  shredrandom::SetState(99);
  const std::wstring work = L"T:\\~Tamberlock" + std::to_wstring(shredrandom::Draw(10000)) + L".tmp";
  MakeDir(work);
  MakeDir(TShredder::FillerFileName(work, 1));
  MakeFile(TShredder::FillerFileName(work, 1) + L"\\old.txt", "left over");
  shredrandom::SetState(99);
  EXPECT_EQ(engine.OverwriteDriveFreeSpace(L"T", true), soFailed);
  EXPECT_TRUE(Leftovers().empty());
}

TEST_F(FreeSpace, ExternalProgramIsStartedWithTheDrive) {
  TempDir tmp;
  const std::wstring out = tmp / L"free.txt";
  engine.SetFreeUseInt(false);
  engine.SetExtFreeSpaceExe(RecordTemplate(out));
  EXPECT_EQ(engine.OverwriteDriveFreeSpace(L"T:", true), soCompleted);
  const std::string line = WaitForLines(out, 1);
  EXPECT_EQ(line.substr(line.size() - 4), " T:\n") << line;
}

TEST_F(FreeSpace, ExternalProgramThatCannotStartIsReported) {
  std::wstring shown;
  vek::SetMessageDialogFunction([&](const std::wstring& text, uint8_t kind, vek::TMsgDlgButtons) {
    EXPECT_EQ(kind, vek::mtError);
    shown = text;
    return IDOK;
  });
  engine.SetFreeUseInt(false);
  engine.SetExtFreeSpaceExe("C:\\no\\such\\shredder.exe %s");
  EXPECT_EQ(engine.OverwriteDriveFreeSpace(L"T", true), soFailed);
  vek::SetMessageDialogFunction(nullptr);
  EXPECT_EQ(shown, L"Error running external (3rd party) free space shredder");
}

TEST_F(FreeSpace, EmptyDriveIsRefusedAndTouchesNothing) {
  const int64_t before = FreeOnT();
  EXPECT_EQ(engine.OverwriteDriveFreeSpace(L"", true), soFailed);
  EXPECT_TRUE(Leftovers().empty());
  EXPECT_EQ(FreeOnT(), before);
}

}  // namespace

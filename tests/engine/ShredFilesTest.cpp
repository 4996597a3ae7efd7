// Files and folders on real disks: passes, bytes on disk, removal, trees, names, captions,
// external programs and links.
#include "engine/PassData.h"
#include "engine/ShredRandom.h"
#include "engine/Shredder.h"
#include "fsutil/VEKGeneral.h"
#include "support/EngineHelpers.h"
#include "support/GuiHelpers.h"
#include "support/LinkFixture.h"
#include "support/TestFiles.h"
#include "toolkit/Application.h"
#include "toolkit/Handles.h"

#include <gtest/gtest.h>

#include <regex>

using namespace testsupport;

namespace {

class ShredFiles : public testing::Test {
 protected:
  void SetUp() override { tk::Application().Initialize(); }
  TShredder engine;
  TempDir tmp;
};

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

std::string Repeat(const std::string& s, size_t length) {
  std::string out;
  while (out.size() < length) out += s;
  out.resize(length);
  return out;
}

TEST_F(ShredFiles, ProtectedFileIsShreddedAndGone) {
  const std::wstring f = tmp / L"protected.doc";
  MakeFile(f, "secret");
  ASSERT_TRUE(::SetFileAttributesW(f.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
  EXPECT_EQ(engine.DestroyFileOrDir(f, false, true, false), soCompleted);
  EXPECT_FALSE(Exists(f));
  EXPECT_EQ(Attributes(tmp.Path() + L"\\a"), INVALID_FILE_ATTRIBUTES) << "no renamed leftover";
}

TEST_F(ShredFiles, SmallFileGetsAWholeClusterPerPass) {
  ASSERT_EQ(TShredder::QueryClusterSize(tmp.Path()), 4096u);
  const std::wstring f = tmp / L"small.txt";
  MakeFile(f, std::string(100, 'S'));
  engine.SetIntMethod(smOnes);
  engine.SetIntPasses(2);
  std::vector<int> passes;
  engine.SetOnStartingFileOverwritePass([&](tk::TComponent*, const std::wstring&, int pass, int total) {
    passes.push_back(pass);
    EXPECT_EQ(total, 2);
  });
  EXPECT_EQ(engine.DestroyFileOrDir(f, false, true, true), soCompleted);
  EXPECT_EQ(passes, (std::vector<int>{1, 2}));
  EXPECT_EQ(ReadFileBytes(f), std::string(4096, '\xFF'));
  EXPECT_EQ(Attributes(f) & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN), 0u);
  EXPECT_EQ(engine.LastIntShredResult(), soCompleted);
}

TEST_F(ShredFiles, EmptyFileStillRunsItsPassesAndIsRemoved) {
  const std::wstring f = tmp / L"empty.txt";
  MakeFile(f);
  engine.SetIntMethod(smRCMP);
  int starts = 0;
  engine.SetOnStartingFileOverwritePass([&](tk::TComponent*, const std::wstring&, int, int) { ++starts; });
  EXPECT_EQ(engine.DestroyFileOrDir(f, false, true, false), soCompleted);
  EXPECT_EQ(starts, 3);
  EXPECT_FALSE(Exists(f));
}

TEST_F(ShredFiles, SegmentOnlyOverwritesTheFirstMegabyte) {
  const std::wstring f = tmp / L"big.bin";
  const size_t size = 10u << 20;
  MakeFile(f, std::string(size, '\xAB'));
  engine.SetIntMethod(smZeros);
  EXPECT_EQ(engine.DestroyFileOrDir(f, true, true, true), soCompleted);
  const std::string after = ReadFileBytes(f);
  ASSERT_EQ(after.size(), size);
  EXPECT_EQ(after.find_first_not_of('\0'), 1048576u);
  EXPECT_EQ(after.find_first_not_of('\xAB', 1048576), std::string::npos);

  engine.SetIntSegmentOffset(20u << 20);  // beyond the end: nothing is written
  MakeFile(f, std::string(size, '\xAB'));
  EXPECT_EQ(engine.DestroyFileOrDir(f, true, true, true), soCompleted);
  EXPECT_EQ(ReadFileBytes(f), std::string(size, '\xAB'));
}

TEST_F(ShredFiles, ExclusivelyHeldFileFailsAndSurvives) {
  const std::wstring f = tmp / L"in use.txt";
  MakeFile(f, "in use");
  {
    tk::UniqueKernelHandle held(::CreateFileW(f.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(held.Valid());
    EXPECT_EQ(engine.DestroyFileOrDir(f, false, true, false), soFailed);
  }
  EXPECT_EQ(ReadFileBytes(f), "in use");
}

TEST_F(ShredFiles, CancelInPassTwoOfThreeStillRemovesTheFile) {
  const std::wstring f = tmp / L"cancel.bin";
  MakeFile(f, std::string(300000, 'c'));
  engine.SetIntMethod(smUSDOD_E);
  engine.SetIntFileBufferSize(65536);
  int currentPass = 0, writesInPass2 = 0;
  engine.SetOnStartingFileOverwritePass([&](tk::TComponent*, const std::wstring&, int pass, int) { currentPass = pass; });
  engine.SetOnCheckForUserCancel([&](tk::TComponent*, bool& cancel) {
    if (currentPass == 2 && ++writesInPass2 == 3) cancel = true;
  });
  EXPECT_EQ(engine.DestroyFileOrDir(f, false, true, false), soCancelled);
  EXPECT_EQ(currentPass, 2) << "pass 3 never started";
  EXPECT_FALSE(Exists(f));
}

TEST_F(ShredFiles, MissingPathFails) {
  EXPECT_EQ(engine.DestroyFileOrDir(tmp / L"does not exist.txt", false, true, false), soFailed);
}

TEST_F(ShredFiles, HeldFileStopsTheTreeWalk) {
  const std::wstring r = tmp / L"tree";
  MakeDir(r);
  MakeDir(r + L"\\sub");
  for (const wchar_t* n : {L"\\a.txt", L"\\b.txt", L"\\c.txt", L"\\sub\\d.txt"}) MakeFile(r + n, "data");
  tk::UniqueKernelHandle held(::CreateFileW((r + L"\\b.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(held.Valid());
  EXPECT_EQ(engine.DestroyFileOrDir(r, false, true, false), soFailed);
  held.Reset();
  EXPECT_FALSE(Exists(r + L"\\a.txt"));
  EXPECT_EQ(ReadFileBytes(r + L"\\b.txt"), "data");
  EXPECT_EQ(ReadFileBytes(r + L"\\c.txt"), "data");
  EXPECT_EQ(ReadFileBytes(r + L"\\sub\\d.txt"), "data");
  EXPECT_TRUE(Exists(r + L"\\sub"));
}

TEST_F(ShredFiles, TreeIsDestroyedIncludingHiddenFolders) {
  const std::wstring r = tmp / L"tree";
  MakeDir(r);
  MakeDir(r + L"\\Hidden");
  MakeDir(r + L"\\Hidden\\deeper");
  MakeFile(r + L"\\top.txt", "t");
  MakeFile(r + L"\\Hidden\\deeper\\secret.txt", std::string(5000, 's'));
  ::SetFileAttributesW((r + L"\\Hidden").c_str(), FILE_ATTRIBUTE_HIDDEN);
  std::vector<std::wstring> overwritten;
  engine.SetOnStartingFileOverwritePass([&](tk::TComponent*, const std::wstring& item, int, int) {
    overwritten.push_back(vek::LongPathOf(item));
  });
  EXPECT_EQ(engine.DestroyFileOrDir(r, false, true, false), soCompleted);
  EXPECT_FALSE(Exists(r));
  // The file in the hidden folder was overwritten, not just deleted.
  ASSERT_EQ(overwritten.size(), 2u);
  EXPECT_NE(overwritten[0].find(L"secret.txt") == std::wstring::npos, overwritten[1].find(L"secret.txt") == std::wstring::npos);
}

TEST_F(ShredFiles, RandomNamesKeepLengthAndOnlyTheLastDot) {
  struct Row { const wchar_t* name; const wchar_t* shape; };
  for (Row r : {Row{L"a.b.txt", L"[A-Z]{3}\\.[A-Z]{3}"}, Row{L"abcdef", L"[A-Z]{6}"}, Row{L"name.", L"[A-Z]{4}\\."},
                Row{L".hidden", L"\\.[A-Z]{6}"}}) {
    const std::wstring out = engine.RandomizeFileName(tmp.Path() + L"\\", r.name);
    EXPECT_TRUE(std::regex_match(out, std::wregex(r.shape))) << std::string(out.begin(), out.end());
  }
}

TEST_F(ShredFiles, RandomNameGivesUpAfterFiveTakenCandidates) {
  shredrandom::SetState(777);
  for (int k = 0; k < 5; ++k) {
    std::wstring name;
    name += wchar_t(L'A' + shredrandom::Draw(26));
    name += wchar_t(L'A' + shredrandom::Draw(26));
    name = std::wstring(1, name[1]) + name[0];  // drawn from the last character to the first
    MakeFile(tmp / name);
  }
  shredrandom::SetState(777);
  EXPECT_EQ(engine.RandomizeFileName(tmp.Path() + L"\\", L"ab"), L"");
}

TEST_F(ShredFiles, LongNameIsCutTo259Characters) {
  EXPECT_EQ(TShredder::LongObscureName(L"C:\\x\\").size(), 5u + 249u);
  const std::wstring deep = L"C:\\" + std::wstring(20, 'd') + L"\\";
  const std::wstring cut = TShredder::LongObscureName(deep);
  EXPECT_EQ(cut.size(), 259u);
  EXPECT_EQ(cut.substr(cut.size() - 2), L"aa");
  // A file in a folder that deep is still removed completely.
  std::wstring folder = tmp.Path();
  while (folder.size() < 40) folder += L"\\deepfolder", MakeDir(folder);
  MakeFile(folder + L"\\f.txt", "x");
  EXPECT_GT((folder + L"\\").size() + 249, 260u);
  EXPECT_EQ(engine.DestroyFileOrDir(folder + L"\\f.txt", false, true, false), soCompleted);
  EXPECT_FALSE(Exists(folder + L"\\f.txt"));
}

TEST_F(ShredFiles, ProgressCaptionNamesMethodPassAndPath) {
  const std::wstring f = tmp / L"caption.txt";
  MakeFile(f, "x");
  const std::wstring shortPath = vek::ShortPathOf(f);
  engine.SetIntMethod(smRCMP);
  std::vector<bool> found;
  engine.SetOnStartingFileOverwritePass([&](tk::TComponent*, const std::wstring& item, int pass, int) {
    EXPECT_EQ(item, shortPath);
    const std::wstring title = L"Tamberlock (RCMP (DSX) pass " + std::to_wstring(pass) + L"/3) " + shortPath;
    found.push_back(FindOwnWindow(title) != nullptr);
  });
  EXPECT_EQ(engine.DestroyFileOrDir(f, false, false, true), soCompleted);
  EXPECT_EQ(found, (std::vector<bool>{true, true, true}));

  found.clear();
  engine.SetOnOverwriteDataReq([](tk::TComponent*, int32_t, uint32_t, bool&, TShredBlock&) {});
  engine.SetOnStartingFileOverwritePass([&](tk::TComponent*, const std::wstring&, int pass, int) {
    found.push_back(FindOwnWindow(L"Tamberlock (Custom pass " + std::to_wstring(pass) + L"/3) " + shortPath) != nullptr);
  });
  EXPECT_EQ(engine.DestroyFileOrDir(f, false, false, false), soCompleted);
  EXPECT_EQ(found, (std::vector<bool>{true, true, true}));
}

TEST_F(ShredFiles, CancelButtonStopsOneFileAndTheNextStartsAfresh) {
  const std::wstring first = tmp / L"first.bin", second = tmp / L"second.bin";
  MakeFile(first, std::string(200000, 'f'));
  MakeFile(second, std::string(200000, 's'));
  engine.SetIntMethod(smUSDOD_E);
  engine.SetIntFileBufferSize(65536);
  bool pressed = false;
  engine.SetOnStartingFileOverwritePass([&](tk::TComponent*, const std::wstring& item, int pass, int) {
    if (pressed || pass != 2) return;
    // The user presses Cancel on the progress window of the first file.
    HWND dialog = FindOwnWindow(L"Tamberlock (US DoD 5220.22-M (E) pass 2/3) " + item);
    ASSERT_TRUE(dialog);
    HWND cancel = nullptr;
    for (HWND panel = ::FindWindowExW(dialog, nullptr, nullptr, nullptr); panel && !cancel;
         panel = ::FindWindowExW(dialog, panel, nullptr, nullptr))
      cancel = ::FindWindowExW(panel, nullptr, L"Button", L"&Cancel");
    ASSERT_TRUE(cancel);
    ::SendMessageW(cancel, BM_CLICK, 0, 0);
    pressed = true;
  });
  EXPECT_EQ(engine.DestroyFileOrDir(first, false, false, false), soCancelled);
  EXPECT_TRUE(pressed);
  EXPECT_FALSE(Exists(first));
  // The window is kept for the next file, which must not inherit the cancel.
  EXPECT_EQ(engine.DestroyFileOrDir(second, false, false, false), soCompleted);
  EXPECT_FALSE(Exists(second));
}

TEST_F(ShredFiles, HookFailureFailsTheOverwrite) {
  const std::wstring f = tmp / L"hook.txt";
  MakeFile(f, "x");
  engine.SetOnOverwriteDataReq([](tk::TComponent*, int32_t, uint32_t, bool& ok, TShredBlock&) { ok = false; });
  EXPECT_EQ(engine.DestroyFileOrDir(f, false, true, false), soFailed);
  EXPECT_FALSE(Exists(f)) << "removal is still attempted";
}

// --- Bytes on disk --------------------------------------------------------------------------

struct BytesCase {
  TShredMethod method;
  int randomBlocksBefore;  // pseudorandom passes (whole blocks) before the last one
};

class BytesOnDisk : public ShredFiles, public testing::WithParamInterface<BytesCase> {};

TEST_P(BytesOnDisk, LastPassDataOverTheClusterRoundedLength) {
  const auto c = GetParam();
  const std::wstring f = tmp / L"marker.bin";
  MakeFile(f, Repeat("MARKER-7f3a!", 10000));
  engine.SetIntMethod(c.method);
  engine.SetIntFileBufferSize(65536);
  SYSTEMTIME at{};
  at.wYear = 2024; at.wMonth = 3; at.wDay = 15; at.wHour = 9; at.wMinute = 30; at.wSecond = 5;
  engine.SetLocalTimeSource([at] { return at; });
  shredrandom::SetState(4242);
  ASSERT_EQ(engine.DestroyFileOrDir(f, false, true, true), soCompleted);
  const std::string after = ReadFileBytes(f);
  ASSERT_EQ(after.size(), 12288u);
  EXPECT_EQ(after.find("MARKER"), std::string::npos);
  std::string expected;
  switch (c.method) {
    case smZeros: expected.assign(12288, '\0'); break;
    case smOnes: expected.assign(12288, '\xFF'); break;
    case smRCMP: {
      const std::wstring text = RcmpDateText(at, UserDecimalSeparator());
      expected = Repeat(std::string(text.begin(), text.end()), 12288);
      break;
    }
    default: {
      std::vector<uint8_t> block(65536);
      shredrandom::SetState(4242);
      for (int i = 0; i <= c.randomBlocksBefore; ++i) shredrandom::FillBytes(block.data(), block.size());
      expected.assign(block.begin(), block.begin() + 12288);
    }
  }
  EXPECT_TRUE(after == expected);
}

INSTANTIATE_TEST_SUITE_P(Methods, BytesOnDisk,
                         testing::Values(BytesCase{smZeros, 0}, BytesCase{smOnes, 0}, BytesCase{smRCMP, 0},
                                         BytesCase{smUSDOD_ECE, 1}, BytesCase{smGutmann, 7}));

// --- External programs ----------------------------------------------------------------------

TEST_F(ShredFiles, ExternalFileProgramGetsTheShortPath) {
  const std::wstring f = tmp / L"a long file name.txt";
  MakeFile(f, "x");
  const std::wstring out = tmp / L"calls.txt";
  engine.SetFileDirUseInt(false);
  engine.SetExtFileExe(RecordTemplate(out));
  EXPECT_EQ(engine.DestroyFileOrDir(f, false, true, false), soCompleted);
  const std::string calls = WaitForLines(out, 1);
  const std::wstring shortPath = vek::ShortPathOf(f);
  EXPECT_NE(calls.find(std::string(shortPath.begin(), shortPath.end())), std::string::npos) << calls;
  EXPECT_TRUE(Exists(f)) << "the external program decides what happens to it";
}

TEST_F(ShredFiles, ExternalFolderProgramGetsTheWholeFolderOrEachPiece) {
  const std::wstring r = tmp / L"ext";
  MakeDir(r);
  MakeDir(r + L"\\sub");
  MakeFile(r + L"\\one.txt", "1");
  const std::wstring dirOut = tmp / L"dirs.txt", fileOut = tmp / L"files.txt";
  engine.SetFileDirUseInt(false);
  engine.SetExtDirExe(RecordTemplate(dirOut));
  engine.SetExtFileExe(RecordTemplate(fileOut));
  EXPECT_EQ(engine.DestroyFileOrDir(r, false, true, false), soCompleted);
  EXPECT_NE(Lower(WaitForLines(dirOut, 1)).find("\\ext\n"), std::string::npos);

  ::DeleteFileW(dirOut.c_str());
  engine.SetExtShredFilesThenDir(true);
  EXPECT_EQ(engine.DestroyFileOrDir(r, false, true, false), soCompleted);
  EXPECT_NE(Lower(WaitForLines(fileOut, 1)).find("\\one.txt\n"), std::string::npos);
  const std::string dirs = Lower(WaitForLines(dirOut, 2));
  EXPECT_NE(dirs.find("\\ext\\sub\n"), std::string::npos) << dirs;
  EXPECT_NE(dirs.find("\\ext\n"), std::string::npos) << dirs;
  EXPECT_TRUE(Exists(r + L"\\one.txt"));
}

// --- Links ----------------------------------------------------------------------------------

const std::wstring kShredLinks = L"C:\\tamberlock-fixtures\\shredlinks";

TEST_F(ShredFiles, TreeWithALinkNeverTouchesWhatTheLinkPointsTo) {
  const std::wstring tree = kShredLinks + L"\\tree", outside = kShredLinks + L"\\outside";
  ASSERT_TRUE(Exists(tree + L"\\dirlink")) << "link fixture missing: run the tests through ctest";
  const TShredOutcome outcome = engine.DestroyFileOrDir(tree, false, true, false);
  EXPECT_EQ(ReadFileBytes(outside + L"\\keep.txt"), "keep\n");
  EXPECT_EQ(ReadFileBytes(outside + L"\\deep\\keep2.txt"), "keep2\n");
  EXPECT_FALSE(Exists(tree + L"\\top.txt"));
  EXPECT_FALSE(Exists(tree + L"\\real"));
  if (RunningOnWine()) {
    // Wine cannot remove a unix symlink through the file API: the link stays, and so does
    // the folder that holds it.
    EXPECT_EQ(outcome, soFailed);
  } else {
    EXPECT_EQ(outcome, soCompleted);
    EXPECT_FALSE(Exists(tree));
  }
  // A link given directly is never followed either.
  engine.DestroyFileOrDir(kShredLinks + L"\\dirlink", false, true, false);
  EXPECT_EQ(ReadFileBytes(outside + L"\\keep.txt"), "keep\n");
  EXPECT_EQ(ReadFileBytes(outside + L"\\deep\\keep2.txt"), "keep2\n");
}

}  // namespace

// The directory iterator on real folders: both orders, start entries, masks, hidden folders,
// removal while walking, and links that must never be entered.
#include "fsutil/VEKDirIterator_U.h"
#include "support/LinkFixture.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace testsupport;
using vek::TVEKDirIterator;

namespace {

std::vector<std::wstring> Walk(TVEKDirIterator& it) {
  std::vector<std::wstring> out;
  for (std::wstring p = it.Next(); !p.empty(); p = it.Next()) out.push_back(p);
  EXPECT_EQ(it.Next(), L"") << "the end stays the end";
  return out;
}

std::vector<std::wstring> Walk(const std::wstring& dir, bool reverse,
                               const std::wstring& mask = L"*.*") {
  TVEKDirIterator it;
  it.SetDirectory(dir);
  it.SetDirMask(mask);
  it.SetReverseFormat(reverse);
  it.Reset();
  return Walk(it);
}

// R holds A (which holds A1) and B.
class SmallTree : public testing::Test {
 protected:
  void SetUp() override {
    MakeDir(R);
    MakeDir(R + L"\\A");
    MakeDir(R + L"\\A\\A1");
    MakeDir(R + L"\\B");
    MakeFile(R + L"\\A\\file.txt", "x");  // files are never yielded
  }
  TempDir tmp;
  std::wstring R = tmp / L"R";
};

TEST_F(SmallTree, NormalFormatIsPreOrder) {
  EXPECT_EQ(Walk(R, false),
            (std::vector<std::wstring>{R, R + L"\\A", R + L"\\A\\A1", R + L"\\B"}));
}

TEST_F(SmallTree, ReverseFormatIsPostOrderWithStartLast) {
  EXPECT_EQ(Walk(R, true),
            (std::vector<std::wstring>{R + L"\\A\\A1", R + L"\\A", R + L"\\B", R}));
}

TEST_F(SmallTree, TrailingBackslashGivesTheSameEntries) {
  EXPECT_EQ(Walk(R + L"\\", false), Walk(R, false));
  EXPECT_EQ(Walk(R + L"\\", true), Walk(R, true));
}

TEST_F(SmallTree, RemovingEachDirectoryInReverseLeavesTheSequenceIntact) {
  const auto expected = Walk(R, true);
  TVEKDirIterator it;
  it.SetDirectory(R);
  it.SetReverseFormat(true);
  it.Reset();
  ::DeleteFileW((R + L"\\A\\file.txt").c_str());
  std::vector<std::wstring> seen;
  for (std::wstring p = it.Next(); !p.empty(); p = it.Next()) {
    seen.push_back(p);
    EXPECT_TRUE(::RemoveDirectoryW(p.c_str())) << "not empty when handed out: " << std::string(p.begin(), p.end());
  }
  EXPECT_EQ(seen, expected);
  EXPECT_FALSE(Exists(R));
}

TEST_F(SmallTree, NormalFormatReadsChildrenWhenTheParentIsHandedOut) {
  TVEKDirIterator it;
  it.SetDirectory(R);
  it.Reset();
  ASSERT_EQ(it.Next(), R);  // R's children A and B are read now
  ASSERT_TRUE(::RemoveDirectoryW((R + L"\\B").c_str()));
  MakeDir(R + L"\\C");
  EXPECT_EQ(Walk(it), (std::vector<std::wstring>{R + L"\\A", R + L"\\A\\A1", R + L"\\B"}));
}

TEST_F(SmallTree, DirMaskAppliesAtEveryDepthButNotToTheStart) {
  MakeDir(R + L"\\Ab");
  MakeDir(R + L"\\A\\B2");
  MakeDir(R + L"\\A\\A2");
  EXPECT_EQ(Walk(R, false, L"A*"),
            (std::vector<std::wstring>{R, R + L"\\A", R + L"\\A\\A1", R + L"\\A\\A2",
                                       R + L"\\Ab"}));
}

TEST_F(SmallTree, HiddenAndSystemSubdirectoriesAreNeverYieldedOrEntered) {
  MakeDir(R + L"\\H");
  MakeDir(R + L"\\H\\Deep");
  MakeDir(R + L"\\S");
  ASSERT_TRUE(::SetFileAttributesW((R + L"\\H").c_str(), FILE_ATTRIBUTE_HIDDEN));
  ASSERT_TRUE(::SetFileAttributesW((R + L"\\S").c_str(), FILE_ATTRIBUTE_SYSTEM));
  EXPECT_EQ(Walk(R, false),
            (std::vector<std::wstring>{R, R + L"\\A", R + L"\\A\\A1", R + L"\\B"}));
}

TEST_F(SmallTree, HiddenStartDirectoryIsYieldedAndWalked) {
  ASSERT_TRUE(::SetFileAttributesW(R.c_str(), FILE_ATTRIBUTE_HIDDEN));
  EXPECT_EQ(Walk(R, false).size(), 4u);
  ::SetFileAttributesW(R.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(SmallTree, LeafStartYieldsOnlyItselfInBothFormats) {
  EXPECT_EQ(Walk(R + L"\\B", false), (std::vector<std::wstring>{R + L"\\B"}));
  EXPECT_EQ(Walk(R + L"\\B", true), (std::vector<std::wstring>{R + L"\\B"}));
}

TEST_F(SmallTree, MissingOrFileStartIsYieldedOnce) {
  EXPECT_EQ(Walk(R + L"\\nope", false), (std::vector<std::wstring>{R + L"\\nope"}));
  EXPECT_EQ(Walk(R + L"\\A\\file.txt", true), (std::vector<std::wstring>{R + L"\\A\\file.txt"}));
}

TEST_F(SmallTree, CurrentDirectoryStart) {
  wchar_t old[MAX_PATH];
  ::GetCurrentDirectoryW(MAX_PATH, old);
  ASSERT_TRUE(::SetCurrentDirectoryW(R.c_str()));
  const auto walk = Walk(L".", false);
  ::SetCurrentDirectoryW(old);
  EXPECT_EQ(walk, (std::vector<std::wstring>{L".\\", L".\\A", L".\\A\\A1", L".\\B"}));
}

TEST(DirIterator, EmptyDirectoryOrNoResetYieldsNothing) {
  TVEKDirIterator fresh;
  EXPECT_EQ(fresh.Next(), L"");
  EXPECT_EQ(fresh.DirMask(), L"*.*");
  EXPECT_FALSE(fresh.ReverseFormat());
  EXPECT_EQ(Walk(L"", false), std::vector<std::wstring>{});
}

TEST(DirIterator, DriveRootStartEntries) {
  for (const wchar_t* start : {L"C:\\", L"C:"}) {
    TVEKDirIterator it;
    it.SetDirectory(start);
    it.Reset();
    EXPECT_EQ(it.Next(), L"C:\\");
    const std::wstring sub = it.Next();
    ASSERT_GT(sub.size(), 3u);
    EXPECT_EQ(sub.substr(0, 3), L"C:\\");
    EXPECT_NE(sub[3], L'\\');
    EXPECT_TRUE(Attributes(sub) & FILE_ATTRIBUTE_DIRECTORY);
  }
}

// --- links --------------------------------------------------------------------------------

TEST(DirIteratorLinks, LinkInsideTheTreeIsYieldedButNotEntered) {
  const std::wstring tree = kLinkFixture + L"\\tree";
  ASSERT_TRUE(Exists(tree)) << "link fixture missing: run the tests through ctest";
  ASSERT_EQ(Attributes(tree + L"\\dirlink") & 0x410, 0x410u);
  EXPECT_EQ(Walk(tree, false),
            (std::vector<std::wstring>{tree, tree + L"\\dirlink", tree + L"\\real"}));
  EXPECT_EQ(Walk(tree, true),
            (std::vector<std::wstring>{tree + L"\\dirlink", tree + L"\\real", tree}));
}

TEST(DirIteratorLinks, LinkAsTheStartIsYieldedButNotEntered) {
  const std::wstring link = kLinkFixture + L"\\dirlink";
  ASSERT_TRUE(Exists(link + L"\\deep")) << "the link's target has a subdirectory";
  EXPECT_EQ(Walk(link, false), (std::vector<std::wstring>{link}));
  EXPECT_EQ(Walk(link, true), (std::vector<std::wstring>{link}));
}

}  // namespace

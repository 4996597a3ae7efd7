// The file iterator on real folders: recursion, directory names, relative names, counting,
// sorting, masks and links.
#include "fsutil/VEKFileIterator_U.h"
#include "support/LinkFixture.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

using namespace testsupport;
using vek::TVEKFileIterator;

namespace {

std::vector<std::wstring> Walk(TVEKFileIterator& it) {
  std::vector<std::wstring> out;
  for (std::wstring p = it.Next(); !p.empty(); p = it.Next()) out.push_back(p);
  return out;
}

struct Options {
  bool recurse = false;
  bool dirNames = false;
  bool omitPrefix = false;
};

std::vector<std::wstring> Walk(const std::wstring& dir, Options o) {
  TVEKFileIterator it;
  it.SetDirectory(dir);
  it.SetRecurseSubDirs(o.recurse);
  it.SetIncludeDirNames(o.dirNames);
  it.SetOmitStartDirPrefix(o.omitPrefix);
  it.Reset();
  return Walk(it);
}

std::set<std::wstring> AsSet(const std::vector<std::wstring>& v) { return {v.begin(), v.end()}; }

// R: a.txt, h.txt (hidden), s.txt (system), Sub\b.txt, Sub\Deep\c.dat, Hid\secret.txt (Hid hidden)
class FileTree : public testing::Test {
 protected:
  void SetUp() override {
    MakeDir(R);
    MakeFile(R + L"\\a.txt");
    MakeFile(R + L"\\h.txt");
    MakeFile(R + L"\\s.txt");
    MakeDir(R + L"\\Sub");
    MakeFile(R + L"\\Sub\\b.txt");
    MakeDir(R + L"\\Sub\\Deep");
    MakeFile(R + L"\\Sub\\Deep\\c.dat");
    MakeDir(R + L"\\Hid");
    MakeFile(R + L"\\Hid\\secret.txt");
    ::SetFileAttributesW((R + L"\\h.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
    ::SetFileAttributesW((R + L"\\s.txt").c_str(), FILE_ATTRIBUTE_SYSTEM);
    ::SetFileAttributesW((R + L"\\Hid").c_str(), FILE_ATTRIBUTE_HIDDEN);
  }
  TempDir tmp;
  std::wstring R = tmp / L"R";
};

TEST_F(FileTree, WithoutRecursionOnlyTheStartDirectory) {
  EXPECT_EQ(AsSet(Walk(R, {})), (std::set<std::wstring>{R + L"\\a.txt", R + L"\\h.txt",
                                                          R + L"\\s.txt"}));
  EXPECT_EQ(AsSet(Walk(R, {.dirNames = true})),
            (std::set<std::wstring>{R + L"\\a.txt", R + L"\\h.txt", R + L"\\s.txt",
                                    R + L"\\Sub", R + L"\\Hid"}));
}

TEST_F(FileTree, RecursionYieldsEveryFileOnceButNotBelowHiddenFolders) {
  const auto files = Walk(R, {.recurse = true});
  EXPECT_EQ(files.size(), AsSet(files).size()) << "no entry twice";
  EXPECT_EQ(AsSet(files), (std::set<std::wstring>{R + L"\\a.txt", R + L"\\h.txt", R + L"\\s.txt",
                                                   R + L"\\Sub\\b.txt",
                                                   R + L"\\Sub\\Deep\\c.dat"}));
  // A directory's entries come before those of its subdirectories.
  auto pos = [&](const std::wstring& p) { return std::find(files.begin(), files.end(), p) - files.begin(); };
  EXPECT_LT(pos(R + L"\\a.txt"), pos(R + L"\\Sub\\b.txt"));
  EXPECT_LT(pos(R + L"\\Sub\\b.txt"), pos(R + L"\\Sub\\Deep\\c.dat"));
}

TEST_F(FileTree, RecursionWithDirNamesNamesHiddenFolderButDoesNotEnterIt) {
  const auto all = AsSet(Walk(R, {.recurse = true, .dirNames = true}));
  EXPECT_TRUE(all.count(R + L"\\Hid"));
  EXPECT_TRUE(all.count(R + L"\\Sub\\Deep"));
  EXPECT_FALSE(all.count(R + L"\\Hid\\secret.txt"));
}

TEST_F(FileTree, FileMaskSelectsEntriesButEveryFolderIsEntered) {
  TVEKFileIterator it;
  it.SetDirectory(R);
  it.SetRecurseSubDirs(true);
  it.SetFileMask(L"*.dat");
  EXPECT_EQ(Walk(it), (std::vector<std::wstring>{R + L"\\Sub\\Deep\\c.dat"}));
}

TEST_F(FileTree, FileMaskWithAPathSetsTheDirectory) {
  TVEKFileIterator it;
  it.SetFileMask(R + L"\\Sub\\*.txt");
  EXPECT_EQ(it.Directory(), R + L"\\Sub\\");
  EXPECT_EQ(it.FileMask(), L"*.txt");
  EXPECT_EQ(Walk(it), (std::vector<std::wstring>{R + L"\\Sub\\b.txt"}));
  it.SetFileMask(L"*.dat");  // no path: the directory stays
  EXPECT_EQ(it.Directory(), R + L"\\Sub\\");
}

TEST_F(FileTree, OmitStartDirPrefixGivesRelativeNames) {
  const auto rel = AsSet(Walk(R, {.recurse = true, .omitPrefix = true}));
  EXPECT_TRUE(rel.count(L"Sub\\Deep\\c.dat"));
  EXPECT_TRUE(rel.count(L"a.txt"));
  // The prefix removed is exactly as long as the Directory value, trailing backslash included.
  EXPECT_TRUE(AsSet(Walk(R + L"\\", {.recurse = true, .omitPrefix = true})).count(L"Sub\\b.txt"));

  wchar_t old[MAX_PATH];
  ::GetCurrentDirectoryW(MAX_PATH, old);
  ASSERT_TRUE(::SetCurrentDirectoryW(R.c_str()));
  const auto dot = AsSet(Walk(L".", {.omitPrefix = true}));
  ::SetCurrentDirectoryW(old);
  EXPECT_TRUE(dot.count(L"a.txt"));
}

TEST_F(FileTree, EmptyRelativeNameBecomesZZZZ) {
  TempDir t;
  MakeFile(t / L"a");
  // "dir\\" is one character longer than "dir\a": nothing would be left of the name.
  EXPECT_EQ(Walk(t.Path() + L"\\\\", {.omitPrefix = true}), (std::vector<std::wstring>{L"ZZZZ"}));
}

TEST_F(FileTree, CountCountsAndRewinds) {
  TVEKFileIterator it;
  it.SetDirectory(R);
  it.SetRecurseSubDirs(true);
  it.Reset();
  const std::wstring first = it.Next();
  EXPECT_EQ(it.Count(), 5);
  EXPECT_EQ(it.Next(), first);

  MakeDir(R + L"\\Empty");
  TVEKFileIterator empty;
  empty.SetDirectory(R + L"\\Empty");
  EXPECT_EQ(empty.Count(), 0);
  EXPECT_EQ(empty.Next(), L"");
}

TEST(FileIterator, FreshInstanceYieldsNothing) {
  TVEKFileIterator it;
  EXPECT_EQ(it.Directory(), L".");
  EXPECT_EQ(it.FileMask(), L"*.*");
  EXPECT_EQ(it.Next(), L"");
  it.SetRecurseSubDirs(true);
  EXPECT_EQ(it.Next(), L"");
}

TEST(FileIterator, SortedUsesCaseInsensitiveLocaleOrder) {
  TempDir t;
  for (const wchar_t* n : {L"B", L"a", L"ab", L"a-c", L"_x", L"f", L"C"}) MakeFile(t / n);
  TVEKFileIterator it;
  it.SetDirectory(t.Path());
  it.SetOmitStartDirPrefix(true);
  it.SetSorted(true);
  it.Reset();
  const auto sorted = Walk(it);
  ASSERT_EQ(sorted.size(), 7u);
  for (size_t i = 1; i < sorted.size(); ++i)
    EXPECT_EQ(::CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, sorted[i - 1].c_str(), -1,
                               sorted[i].c_str(), -1),
              CSTR_LESS_THAN);
  // Locale order differs from a code-unit order here: "_x" before "a", "ab" before "a-c".
  auto pos = [&](const wchar_t* n) { return std::find(sorted.begin(), sorted.end(), n) - sorted.begin(); };
  EXPECT_LT(pos(L"_x"), pos(L"a"));
  EXPECT_LT(pos(L"ab"), pos(L"a-c"));
  EXPECT_LT(pos(L"a"), pos(L"B"));
  EXPECT_LT(pos(L"B"), pos(L"C"));
}

TEST(FileIterator, SettingSortedSortsTheCurrentDirectoryWithoutRewinding) {
  TempDir t;
  for (const wchar_t* n : {L"_x", L"a", L"b"}) MakeFile(t / n);
  TVEKFileIterator it;
  it.SetDirectory(t.Path());
  it.SetOmitStartDirPrefix(true);
  it.Reset();
  ASSERT_FALSE(it.Next().empty());
  it.SetSorted(true);
  // The second of the sorted names _x, a, b; the listing order puts "_x" last.
  EXPECT_EQ(it.Next(), L"a");
}

// --- links --------------------------------------------------------------------------------

TEST(FileIteratorLinks, LinkedFoldersAreNamedButNeverListed) {
  const std::wstring tree = kLinkFixture + L"\\tree";
  ASSERT_TRUE(Exists(tree)) << "link fixture missing: run the tests through ctest";
  EXPECT_EQ(AsSet(Walk(tree, {.recurse = true})),
            (std::set<std::wstring>{tree + L"\\top.txt", tree + L"\\real\\inner.txt"}));
  EXPECT_EQ(AsSet(Walk(tree, {.recurse = true, .dirNames = true})),
            (std::set<std::wstring>{tree + L"\\top.txt", tree + L"\\dirlink", tree + L"\\real",
                                    tree + L"\\real\\inner.txt"}));
}

TEST(FileIteratorLinks, LinkAsTheStartListsNothing) {
  const std::wstring link = kLinkFixture + L"\\dirlink";
  ASSERT_TRUE(Exists(link + L"\\keep.txt"));
  EXPECT_EQ(Walk(link, {.recurse = true, .dirNames = true}), std::vector<std::wstring>{});
}

}  // namespace

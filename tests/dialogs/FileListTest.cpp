// The report dialog: listed short paths are shown long, missing ones empty, on every showing.
#include "dialogs/FileList_U.h"
#include "fsutil/VEKGeneral.h"
#include "support/GuiHelpers.h"
#include "support/TestFiles.h"
#include "toolkit/Application.h"

#include <gtest/gtest.h>

using namespace vek;
using namespace testsupport;

namespace {

TEST(FileList, ShortPathsBecomeLongAndMissingOnesEmpty) {
  tk::Application().Initialize();
  TempDir tmp;
  MakeDir(tmp / L"Long Folder Name");
  const std::wstring longFile = tmp / L"Long Folder Name\\Foo bar document.txt";
  MakeFile(longFile, "x");
  MakeFile(tmp / L"gone soon.txt", "y");
  const std::wstring shortFile = ShortPathOf(longFile);
  const std::wstring goneShort = ShortPathOf(tmp / L"gone soon.txt");
  ASSERT_NE(shortFile, LongPathOf(shortFile));
  ::DeleteFileW((tmp / L"gone soon.txt").c_str());

  TFileList_F report;
  report.lblTitle->SetCaption(L"The following files could not have their slack space shredded:");
  report.lbFiles->SetVisible(true);
  report.lbFiles->AddItem(shortFile);
  report.lbFiles->AddItem(goneShort);
  const std::wstring expectedLong = LongPathOf(shortFile);
  for (int showing = 0; showing < 2; ++showing) {
    CommandWhenShown closer(L"Report", IDOK);
    EXPECT_EQ(report.ShowModal(), tk::mrOk);
    EXPECT_TRUE(closer.Found());
    EXPECT_EQ(report.lbFiles->Items(), (std::vector<std::wstring>{expectedLong, L""}));
  }
  EXPECT_EQ(report.Caption(), L"Report");
}

TEST(FileList, EmptyListShowsHeadingAndOk) {
  tk::Application().Initialize();
  TFileList_F report;
  report.lbFiles->SetVisible(true);
  CommandWhenShown closer(L"Report", IDCANCEL);  // Escape presses OK too
  EXPECT_EQ(report.ShowModal(), tk::mrOk);
  EXPECT_EQ(report.lbFiles->ItemCount(), 0);
}

}  // namespace

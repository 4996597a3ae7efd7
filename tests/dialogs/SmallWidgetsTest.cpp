// The truncating label, the marquee bar and the base form's creation order.
#include "dialogs/VEKComCtrls.h"
#include "dialogs/VEKForms.h"
#include "dialogs/VEKStdCtrls.h"
#include "toolkit/Application.h"

#include <gtest/gtest.h>

#include <commctrl.h>

using namespace vek;

namespace {

class LabelTest : public testing::Test {
 protected:
  void SetUp() override { tk::Application().Initialize(); }
  TVEKForm form;
  TVEKTruncatingLabel* label = new TVEKTruncatingLabel(&form, &form);

  std::wstring Drawn(const std::wstring& caption, int width) {
    label->SetAutoSize(false);
    label->SetCaption(caption);
    label->SetBounds(0, 0, width, 20);
    wchar_t text[256] = {};
    ::GetWindowTextW(label->Handle(), text, 256);
    EXPECT_EQ(label->Caption(), caption) << "the caption itself never changes";
    EXPECT_EQ(std::wstring(text), label->GetLabelText()) << "the window draws the label text";
    return text;
  }
};

TEST_F(LabelTest, CaptionThatFitsIsDrawnWhole) {
  const std::wstring caption = L"C:\\Data\\file.txt";
  EXPECT_EQ(Drawn(caption, label->TextWidth(caption)), caption);
}

TEST_F(LabelTest, OneCharacterTooWideLosesTheEndToDots) {
  const std::wstring caption = L"C:\\Data\\some file name.txt";
  const int width = label->TextWidth(caption) - 1;
  const std::wstring drawn = Drawn(caption, width);
  ASSERT_GE(drawn.size(), 3u);
  EXPECT_EQ(drawn.substr(drawn.size() - 3), L"...");
  const std::wstring kept = drawn.substr(0, drawn.size() - 3);
  EXPECT_EQ(caption.substr(0, kept.size()), kept);
  EXPECT_LE(label->TextWidth(drawn), width);
  // One more character of the caption would not have fitted.
  EXPECT_GT(label->TextWidth(caption.substr(0, kept.size() + 1) + L"..."), width);
}

TEST_F(LabelTest, NarrowerThanDotsDropsTheDots) {
  const std::wstring caption = L"Wide caption";
  EXPECT_EQ(Drawn(caption, label->TextWidth(L"..")), L"..");
  EXPECT_EQ(Drawn(caption, label->TextWidth(L".")), L".");
  EXPECT_EQ(Drawn(caption, 0), L"");
  EXPECT_EQ(Drawn(L"", 0), L"");
}

TEST(Marquee, WritingMarqueeSendsTheCurrentDelay) {
  tk::Application().Initialize();
  TVEKForm form;
  auto* bar = new TVEProgressBarIndeterminate(&form, &form);
  EXPECT_FALSE(bar->Marquee());
  EXPECT_EQ(bar->MarqueeUpdate(), 200);
  EXPECT_TRUE(::GetWindowLongW(bar->Handle(), GWL_STYLE) & PBS_MARQUEE);
  bar->SetMarquee(true);
  EXPECT_TRUE(bar->Marquee());
  bar->SetMarqueeUpdate(50);
  EXPECT_EQ(bar->MarqueeUpdate(), 50);
  bar->SetMarquee(false);
  EXPECT_FALSE(bar->Marquee());
}

class CountingForm : public TVEKForm {
 public:
  CountingForm() {
    SetOnCreate([this](tk::TComponent*) { ++created; });
    DoCreate();
  }
  int created = 0;
};

TEST(VEKForm, CreationEventRunsOnceAndTheFormIsCentred) {
  tk::Application().Initialize();
  CountingForm form;
  EXPECT_EQ(form.created, 1);
  EXPECT_EQ(form.Position(), tk::poScreenCenter);
}

}  // namespace

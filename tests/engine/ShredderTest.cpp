// The engine component: defaults, pass counts and the pass-data hook.
#include "engine/PassData.h"
#include "engine/Shredder.h"

#include <gtest/gtest.h>

namespace {

TEST(Shredder, DefaultsOfEveryProperty) {
  TShredder e;
  EXPECT_TRUE(e.FileDirUseInt());
  EXPECT_TRUE(e.FreeUseInt());
  EXPECT_EQ(e.ExtFileExe(), "");
  EXPECT_EQ(e.ExtDirExe(), "");
  EXPECT_EQ(e.ExtFreeSpaceExe(), "");
  EXPECT_FALSE(e.ExtShredFilesThenDir());
  EXPECT_EQ(e.IntSegmentOffset(), 0u);
  EXPECT_EQ(e.IntSegmentLength(), 1048576u);
  EXPECT_EQ(e.IntMethod(), smPseudorandom);
  EXPECT_EQ(e.IntPasses(), 1);
  EXPECT_EQ(e.IntFreeSpcFileSize(), 52428800);
  EXPECT_TRUE(e.IntFreeSpcSmartFileSize());
  EXPECT_EQ(e.IntFreeSpcFileCreationBlkSize(), 1048576);
  EXPECT_EQ(e.IntFileBufferSize(), 1048576);
  EXPECT_FALSE(e.OnOverwriteDataReq());
  EXPECT_FALSE(e.OnStartingFileOverwritePass());
  EXPECT_FALSE(e.OnCheckForUserCancel());
  EXPECT_EQ(e.ClassName(), L"TShredder");
}

TEST(Shredder, IsOwnedAndFreedByItsOwner) {
  tk::TComponent form;
  auto* engine = new TShredder(&form);
  engine->SetName(L"ShredderObj");
  ASSERT_EQ(form.ComponentCount(), 1);
  EXPECT_EQ(form.FindComponent(L"shredderobj"), engine);
}

struct PassCountCase {
  TShredMethod method;
  int intPasses;
  int expected;
  const wchar_t* title;
};

class PassCount : public testing::TestWithParam<PassCountCase> {};

TEST_P(PassCount, FollowsTheMethodTable) {
  const auto& c = GetParam();
  TShredder e;
  e.SetIntMethod(c.method);
  e.SetIntPasses(c.intPasses);
  EXPECT_EQ(e.TotalPasses(), c.expected);
  EXPECT_EQ(MethodDisplayName(c.method), c.title);
}

INSTANTIATE_TEST_SUITE_P(
    Methods, PassCount,
    testing::Values(PassCountCase{smZeros, 1, 1, L"Zeros"}, PassCountCase{smZeros, 0, 0, L"Zeros"},
                    PassCountCase{smOnes, 4, 4, L"Ones"},
                    PassCountCase{smPseudorandom, -2, -2, L"Pseudorandom data"},
                    PassCountCase{smRCMP, 9, 3, L"RCMP (DSX)"},
                    PassCountCase{smUSDOD_E, 0, 3, L"US DoD 5220.22-M (E)"},
                    PassCountCase{smUSDOD_ECE, 1, 7, L"US DoD 5220.22-M (ECE)"},
                    PassCountCase{smGutmann, 2, 35, L"Gutmann (35 pass)"}));

TEST(PassHook, ReplacesBuiltInDataAndReceivesBlockLength) {
  TShredder e;
  e.SetIntMethod(smZeros);
  int calls = 0;
  e.SetOnOverwriteDataReq([&](tk::TComponent* sender, int32_t pass, uint32_t required, bool& ok,
                              TShredBlock& block) {
    ++calls;
    EXPECT_EQ(sender, &e);
    EXPECT_EQ(pass, 2);
    EXPECT_EQ(required, 1048576u);
    EXPECT_TRUE(ok);
    std::fill(block.begin(), block.end(), 0x3C);
  });
  TShredBlock block(e.IntFileBufferSize(), 0x00);
  EXPECT_TRUE(e.FillPassBlock(2, block));
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(block.front(), 0x3C);
  EXPECT_EQ(block.back(), 0x3C);
}

struct HookCase {
  const char* name;
  bool setOk;
  int sizeChange;
  bool expected;
};

class PassHookResult : public testing::TestWithParam<HookCase> {};

TEST_P(PassHookResult, ReportsFailureOrShortBlock) {
  const auto& c = GetParam();
  TShredder e;
  e.SetOnOverwriteDataReq([&](tk::TComponent*, int32_t, uint32_t, bool& ok, TShredBlock& block) {
    ok = c.setOk;
    block.resize(block.size() + c.sizeChange);
  });
  TShredBlock block(64);
  EXPECT_EQ(e.FillPassBlock(1, block), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, PassHookResult,
                         testing::Values(HookCase{"ok", true, 0, true},
                                         HookCase{"reportsFailure", false, 0, false},
                                         HookCase{"shrinksBlock", true, -1, false},
                                         HookCase{"growsBlock", true, 16, true}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

// Pass data of every method and pass, the generator and the RCMP date text.
#include "engine/PassData.h"
#include "engine/ShredRandom.h"
#include "engine/Shredder.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr uint32_t kSeed = 12345;
// The first six bytes the generator gives from kSeed (top eight bits of each new state).
const std::vector<uint8_t> kRandomFromSeed = {98, 74, 20, 141, 162, 87};

enum class Expect { Bytes, Random, Unchanged };

struct PassCase {
  TShredMethod method;
  int pass;
  Expect kind;
  std::vector<uint8_t> pattern;  // repeated over the block, for Expect::Bytes
};

std::ostream& operator<<(std::ostream& os, const PassCase& c) {
  return os << "method " << int(c.method) << " pass " << c.pass;
}

class PassDataTable : public testing::TestWithParam<PassCase> {};

TEST_P(PassDataTable, FillsBlockByRule) {
  const PassCase& c = GetParam();
  TShredder engine;
  engine.SetIntMethod(c.method);
  TShredBlock block(6, 0xA5);
  shredrandom::SetState(kSeed);
  ASSERT_TRUE(engine.FillPassBlock(c.pass, block));
  switch (c.kind) {
    case Expect::Random:
      EXPECT_EQ(block, kRandomFromSeed);
      break;
    case Expect::Unchanged:
      EXPECT_EQ(block, TShredBlock(6, 0xA5));
      EXPECT_EQ(shredrandom::State(), kSeed) << "no draw for a pass without data";
      break;
    case Expect::Bytes:
      for (size_t i = 0; i < block.size(); ++i)
        EXPECT_EQ(block[i], c.pattern[i % c.pattern.size()]) << "byte " << i;
      break;
  }
}

PassCase B(TShredMethod m, int pass, std::vector<uint8_t> p) { return {m, pass, Expect::Bytes, p}; }
PassCase R(TShredMethod m, int pass) { return {m, pass, Expect::Random, {}}; }
PassCase U(TShredMethod m, int pass) { return {m, pass, Expect::Unchanged, {}}; }

INSTANTIATE_TEST_SUITE_P(
    SimpleAndStandardMethods, PassDataTable,
    testing::Values(B(smZeros, 1, {0x00}), B(smZeros, 4, {0x00}), B(smOnes, 1, {0xFF}),
                    B(smOnes, 2, {0xFF}), R(smPseudorandom, 1), R(smPseudorandom, 3),
                    B(smRCMP, 1, {0x00}), B(smRCMP, 2, {0xFF}), U(smRCMP, 0), U(smRCMP, 4),
                    B(smUSDOD_E, 1, {0x00}), B(smUSDOD_E, 2, {0xFF}), R(smUSDOD_E, 3),
                    B(smUSDOD_E, 4, {0x7F}), B(smUSDOD_ECE, 1, {0x00}),
                    B(smUSDOD_ECE, 2, {0xFF}), R(smUSDOD_ECE, 3), B(smUSDOD_ECE, 4, {0x7F}),
                    B(smUSDOD_ECE, 5, {0x00}), B(smUSDOD_ECE, 6, {0xFF}), R(smUSDOD_ECE, 7),
                    U(smUSDOD_ECE, 8), U(smUSDOD_E, 0)));

INSTANTIATE_TEST_SUITE_P(
    Gutmann, PassDataTable,
    testing::Values(
        R(smGutmann, 1), R(smGutmann, 2), R(smGutmann, 3), R(smGutmann, 4),
        B(smGutmann, 5, {0x55}), B(smGutmann, 6, {0xAA}), B(smGutmann, 7, {0x92, 0x49, 0x24}),
        B(smGutmann, 8, {0x49, 0x24, 0x92}), B(smGutmann, 9, {0x24, 0x92, 0x49}),
        B(smGutmann, 10, {0x00}), B(smGutmann, 11, {0x11}), B(smGutmann, 12, {0x22}),
        B(smGutmann, 13, {0x33}), B(smGutmann, 14, {0x44}), B(smGutmann, 15, {0x55}),
        B(smGutmann, 16, {0x66}), B(smGutmann, 17, {0x77}), B(smGutmann, 18, {0x88}),
        B(smGutmann, 19, {0x99}), B(smGutmann, 20, {0xAA}), B(smGutmann, 21, {0xBB}),
        B(smGutmann, 22, {0xCC}), B(smGutmann, 23, {0xDD}), B(smGutmann, 24, {0xEE}),
        B(smGutmann, 25, {0xFF}), B(smGutmann, 26, {0x92, 0x49, 0x24}),
        B(smGutmann, 27, {0x49, 0x24, 0x92}), B(smGutmann, 28, {0x24, 0x92, 0x49}),
        B(smGutmann, 29, {0x6D, 0xB6, 0xDB}), B(smGutmann, 30, {0xB6, 0xDB, 0x6D}),
        B(smGutmann, 31, {0xDB, 0x6D, 0xB6}), R(smGutmann, 32), R(smGutmann, 33),
        R(smGutmann, 34), R(smGutmann, 35)));

TEST(PassData, GutmannPass7SevenByteBlock) {
  TShredder engine;
  engine.SetIntMethod(smGutmann);
  TShredBlock block(7);
  ASSERT_TRUE(engine.FillPassBlock(7, block));
  EXPECT_EQ(block, (TShredBlock{0x92, 0x49, 0x24, 0x92, 0x49, 0x24, 0x92}));
}

TEST(PassData, EmptyBlockStaysEmptyForEveryMethodAndPass) {
  TShredder engine;
  for (int m = smZeros; m <= smGutmann; ++m) {
    engine.SetIntMethod(static_cast<TShredMethod>(m));
    for (int pass = 1; pass <= 35; ++pass) {
      TShredBlock block;
      EXPECT_TRUE(engine.FillPassBlock(pass, block));
      EXPECT_TRUE(block.empty()) << "method " << m << " pass " << pass;
    }
  }
}

TEST(PassData, PseudorandomBlockIsOneDrawPerByteAcrossTheWholeBlock) {
  // The byte after a full block continues the same sequence: no draw is skipped or repeated.
  shredrandom::SetState(kSeed);
  TShredBlock first(3), second(3);
  TShredder engine;
  ASSERT_TRUE(engine.FillPassBlock(1, first));
  ASSERT_TRUE(engine.FillPassBlock(1, second));
  EXPECT_EQ(first, TShredBlock(kRandomFromSeed.begin(), kRandomFromSeed.begin() + 3));
  EXPECT_EQ(second, TShredBlock(kRandomFromSeed.begin() + 3, kRandomFromSeed.end()));
}

TEST(Generator, FirstDrawsFromKnownState) {
  shredrandom::SetState(kSeed);
  EXPECT_EQ(shredrandom::Draw(10000), 3853u);
  EXPECT_EQ(shredrandom::State(), 1655067934u);
  shredrandom::SetState(kSeed);
  EXPECT_EQ(shredrandom::Draw(26), 10u);
  shredrandom::SetState(0);
  EXPECT_EQ(shredrandom::Draw(256), 0u);  // state 1
  EXPECT_EQ(shredrandom::Draw(256), 8u);  // state 134775814
}

// --- The RCMP date text -------------------------------------------------------------------

SYSTEMTIME March15At093005() {
  SYSTEMTIME t{};
  t.wYear = 2024;
  t.wMonth = 3;
  t.wDay = 15;
  t.wHour = 9;
  t.wMinute = 30;
  t.wSecond = 5;
  return t;
}

// Sets the user's decimal separator for the life of the object.
class ScopedDecimalSeparator {
 public:
  explicit ScopedDecimalSeparator(const wchar_t* sep) {
    ::GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, FOld, 8);
    FOk = ::SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, sep) != 0;
  }
  ~ScopedDecimalSeparator() { ::SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, FOld); }
  bool Ok() const { return FOk; }

 private:
  wchar_t FOld[8] = {};
  bool FOk = false;
};

std::string RcmpPassBytes(const wchar_t* separator, size_t length) {
  ScopedDecimalSeparator scope(separator);
  EXPECT_TRUE(scope.Ok());
  TShredder engine;
  engine.SetIntMethod(smRCMP);
  engine.SetLocalTimeSource(March15At093005);
  TShredBlock block(length);
  EXPECT_TRUE(engine.FillPassBlock(3, block));
  return std::string(block.begin(), block.end());
}

TEST(RcmpText, FullStopSeparator) {
  EXPECT_EQ(RcmpDateText(March15At093005(), L"."), L"1.4020240315093005");
  // 40 bytes: the 18-character text, repeated from its start.
  EXPECT_EQ(RcmpPassBytes(L".", 40), "1.40202403150930051.40202403150930051.40");
}

TEST(RcmpText, CommaSeparatorFromUserLocale) {
  EXPECT_EQ(RcmpPassBytes(L",", 20), "1,40202403150930051,");
}

TEST(RcmpText, PaddedFieldsAtYearStart) {
  SYSTEMTIME t{};
  t.wYear = 987;
  t.wMonth = 1;
  t.wDay = 2;
  t.wHour = 0;
  t.wMinute = 0;
  t.wSecond = 9;
  EXPECT_EQ(RcmpDateText(t, L"."), L"1.4009870102000009");
}

}  // namespace

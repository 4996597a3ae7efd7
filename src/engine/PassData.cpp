// Built-in pass data: fixed bytes, pseudorandom blocks, Gutmann patterns, the RCMP date text.
#include "engine/PassData.h"

#include "engine/ShredRandom.h"

#include <algorithm>
#include <cstdio>

namespace {

struct TMethodInfo {
  const wchar_t* title;
  int passes;  // -1: IntPasses
};

constexpr TMethodInfo kMethods[] = {
    {L"Zeros", -1},
    {L"Ones", -1},
    {L"Pseudorandom data", -1},
    {L"RCMP (DSX)", 3},
    {L"US DoD 5220.22-M (E)", 3},
    {L"US DoD 5220.22-M (ECE)", 7},
    {L"Gutmann (35 pass)", 35},
};

// Gutmann passes 5 to 31: three-byte patterns, pattern byte 0 first.
constexpr uint8_t kGutmannPatterns[27][3] = {
    {0x55, 0x55, 0x55}, {0xAA, 0xAA, 0xAA}, {0x92, 0x49, 0x24}, {0x49, 0x24, 0x92},
    {0x24, 0x92, 0x49}, {0x00, 0x00, 0x00}, {0x11, 0x11, 0x11}, {0x22, 0x22, 0x22},
    {0x33, 0x33, 0x33}, {0x44, 0x44, 0x44}, {0x55, 0x55, 0x55}, {0x66, 0x66, 0x66},
    {0x77, 0x77, 0x77}, {0x88, 0x88, 0x88}, {0x99, 0x99, 0x99}, {0xAA, 0xAA, 0xAA},
    {0xBB, 0xBB, 0xBB}, {0xCC, 0xCC, 0xCC}, {0xDD, 0xDD, 0xDD}, {0xEE, 0xEE, 0xEE},
    {0xFF, 0xFF, 0xFF}, {0x92, 0x49, 0x24}, {0x49, 0x24, 0x92}, {0x24, 0x92, 0x49},
    {0x6D, 0xB6, 0xDB}, {0xB6, 0xDB, 0x6D}, {0xDB, 0x6D, 0xB6},
};

void FillByte(TShredBlock& block, uint8_t value) { std::fill(block.begin(), block.end(), value); }

void FillRandom(TShredBlock& block) { shredrandom::FillBytes(block.data(), block.size()); }

void FillPattern(TShredBlock& block, const uint8_t (&pattern)[3]) {
  for (size_t i = 0; i < block.size(); ++i) block[i] = pattern[i % 3];
}

void FillText(TShredBlock& block, const std::wstring& text) {
  if (text.empty()) return;
  for (size_t i = 0; i < block.size(); ++i)
    block[i] = static_cast<uint8_t>(text[i % text.size()] & 0xFF);
}

// Passes of the two DoD methods: 0x00, 0xFF, random, 0x7F, 0x00, 0xFF, random.
void FillDoD(int passNumber, TShredBlock& block) {
  switch (passNumber) {
    case 1: case 5: FillByte(block, 0x00); break;
    case 2: case 6: FillByte(block, 0xFF); break;
    case 3: case 7: FillRandom(block); break;
    case 4: FillByte(block, 0x7F); break;
    default: break;
  }
}

void FillRcmp(int passNumber, TShredBlock& block, const std::wstring& rcmpText) {
  switch (passNumber) {
    case 1: FillByte(block, 0x00); break;
    case 2: FillByte(block, 0xFF); break;
    case 3: FillText(block, rcmpText); break;
    default: break;
  }
}

void FillGutmann(int passNumber, TShredBlock& block) {
  if (passNumber < 5 || passNumber > 31)
    FillRandom(block);
  else
    FillPattern(block, kGutmannPatterns[passNumber - 5]);
}

}  // namespace

std::wstring MethodDisplayName(TShredMethod method) {
  return method <= smGutmann ? kMethods[method].title : L"";
}

int MethodPassTableValue(TShredMethod method) {
  return method <= smGutmann ? kMethods[method].passes : 0;
}

std::wstring RcmpDateText(const SYSTEMTIME& t, const std::wstring& decimalSeparator) {
  wchar_t digits[32];
  std::swprintf(digits, 32, L"%.4d%.2d%.2d%.2d%.2d%.2d", t.wYear, t.wMonth, t.wDay, t.wHour,
                t.wMinute, t.wSecond);
  return L"1" + decimalSeparator + L"40" + digits;
}

std::wstring UserDecimalSeparator() {
  wchar_t sep[8] = {};
  if (::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, sep, 8) <= 1) return L".";
  return sep;
}

void FillBuiltInPassData(TShredMethod method, int passNumber, TShredBlock& block,
                         const std::wstring& rcmpText) {
  switch (method) {
    case smZeros: FillByte(block, 0x00); break;
    case smOnes: FillByte(block, 0xFF); break;
    case smPseudorandom: FillRandom(block); break;
    case smRCMP: FillRcmp(passNumber, block, rcmpText); break;
    case smUSDOD_E:
    case smUSDOD_ECE: FillDoD(passNumber, block); break;
    case smGutmann: FillGutmann(passNumber, block); break;
  }
}

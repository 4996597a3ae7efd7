// File slack, registry keys and devices.
#include "engine/ShredRegistry.h"
#include "engine/Shredder.h"
#include "support/EngineHelpers.h"
#include "support/GuiHelpers.h"
#include "support/TestFiles.h"
#include "toolkit/Application.h"
#include "toolkit/Handles.h"

#include <gtest/gtest.h>

using namespace testsupport;

namespace {

struct FileState {
  int64_t size;
  DWORD attributes;
  FILETIME lastWrite;
  std::string content;
};

FileState StateOf(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA d{};
  ::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &d);
  ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  FileState s{SizeOf(path), d.dwFileAttributes, d.ftLastWriteTime, ReadFileBytes(path)};
  ::SetFileAttributesW(path.c_str(), d.dwFileAttributes);
  return s;
}

// Last-write times agree to the two seconds a DOS date-time keeps.
int64_t Ticks(FILETIME t) { return (int64_t(t.dwHighDateTime) << 32) | t.dwLowDateTime; }

// Length, content, attributes and last-write time are as they were before the call.
void ExpectRestored(const std::wstring& f, const FileState& before, int64_t size) {
  const FileState after = StateOf(f);
  EXPECT_EQ(after.size, size);
  EXPECT_EQ(after.content, before.content);
  EXPECT_EQ(after.attributes, before.attributes);
  EXPECT_EQ(Ticks(after.lastWrite), Ticks(before.lastWrite));
}

class Slack : public testing::Test {
 protected:
  void SetUp() override { tk::Application().Initialize(); }
  // A last-write time on an even second, as a DOS date-time can hold it.
  void SetOldTime(const std::wstring& f) {
    tk::UniqueKernelHandle h(::CreateFileW(f.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    SYSTEMTIME st{2019, 6, 0, 4, 10, 20, 30, 0};
    FILETIME local{}, utc{};
    ::SystemTimeToFileTime(&st, &local);
    ::LocalFileTimeToFileTime(&local, &utc);
    ::SetFileTime(h.Get(), nullptr, nullptr, &utc);
  }
  TShredder engine;
  TempDir tmp;
};

TEST_F(Slack, FiveThousandBytesGetTheRestOfTheClusterPerPass) {
  const std::wstring f = tmp / L"slack.bin";
  MakeFile(f, std::string(5000, 'q'));
  SetOldTime(f);
  const FileState before = StateOf(f);
  engine.SetIntMethod(smRCMP);
  std::vector<int64_t> sizeAtPass;
  std::vector<uint32_t> required;
  engine.SetOnOverwriteDataReq([&](tk::TComponent*, int32_t, uint32_t bytes, bool&, TShredBlock& block) {
    sizeAtPass.push_back(SizeOf(f));
    required.push_back(bytes);
    std::fill(block.begin(), block.end(), 0x5A);
  });
  EXPECT_TRUE(engine.OverwriteFileSlack(f));
  // Pass 1 wrote 3192 bytes at 5000..8191, so every later pass finds 8192 bytes.
  EXPECT_EQ(sizeAtPass, (std::vector<int64_t>{5000, 8192, 8192}));
  EXPECT_EQ(required, (std::vector<uint32_t>{4096, 4096, 4096}));
  ExpectRestored(f, before, 5000);
}

TEST_F(Slack, WholeClusterFileHasNoSlack) {
  const std::wstring f = tmp / L"whole.bin";
  MakeFile(f, std::string(4096, 'w'));
  std::vector<int64_t> sizeAtPass;
  engine.SetIntMethod(smRCMP);
  engine.SetOnOverwriteDataReq([&](tk::TComponent*, int32_t, uint32_t, bool&, TShredBlock&) { sizeAtPass.push_back(SizeOf(f)); });
  EXPECT_TRUE(engine.OverwriteFileSlack(f));
  EXPECT_EQ(sizeAtPass, (std::vector<int64_t>{4096, 4096, 4096}));
  EXPECT_EQ(ReadFileBytes(f), std::string(4096, 'w'));
}

TEST_F(Slack, ReadOnlyFileIsReadOnlyAgain) {
  const std::wstring f = tmp / L"ro.bin";
  MakeFile(f, std::string(100, 'r'));
  ::SetFileAttributesW(f.c_str(), FILE_ATTRIBUTE_READONLY);
  const DWORD before = Attributes(f);
  ASSERT_TRUE(before & FILE_ATTRIBUTE_READONLY);
  EXPECT_TRUE(engine.OverwriteFileSlack(f));
  EXPECT_EQ(Attributes(f), before);
  EXPECT_EQ(SizeOf(f), 100);
  EXPECT_FALSE(engine.OverwriteFileSlack(tmp / L"missing.bin"));
}

TEST_F(Slack, HookExceptionRestoresTheFileBeforePassingOn) {
  const std::wstring f = tmp / L"throw.bin";
  MakeFile(f, std::string(5000, 't'));
  ::SetFileAttributesW(f.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE);
  SetOldTime(f);
  const FileState before = StateOf(f);
  engine.SetIntPasses(3);
  engine.SetOnOverwriteDataReq([&](tk::TComponent*, int32_t pass, uint32_t, bool&, TShredBlock&) {
    if (pass == 2) throw std::runtime_error("hook failed");
  });
  EXPECT_THROW(engine.OverwriteFileSlack(f), std::runtime_error);
  ExpectRestored(f, before, 5000);
}

TEST_F(Slack, DriveRunReportsTheFilesThatFailed) {
  if (!HaveScratchDrive()) GTEST_SKIP() << "no scratch drive T:";
  for (const wchar_t* n : {L"T:\\a.txt", L"T:\\b.txt", L"T:\\c.txt"}) MakeFile(n, "slack");
  int call = 0;
  engine.SetOnOverwriteDataReq([&](tk::TComponent*, int32_t, uint32_t, bool& ok, TShredBlock&) { ok = ++call != 2; });
  CommandWhenShown closer(L"Report", IDOK);
  EXPECT_EQ(engine.OverwriteAllFileSlacks('t', false), soCompleted);
  EXPECT_TRUE(closer.Found());
  EXPECT_NE(closer.SeenText().find(L"could not have their slack space shredded"), std::wstring::npos);
  EXPECT_EQ(closer.SeenListItems(), (std::vector<std::wstring>{L"T:\\b.txt"}));
  EXPECT_EQ(call, 3);
  for (const wchar_t* n : {L"T:\\a.txt", L"T:\\b.txt", L"T:\\c.txt"}) {
    EXPECT_EQ(ReadFileBytes(n), "slack");
    ::DeleteFileW(n);
  }
}

// --- Registry keys ---------------------------------------------------------------------------

const wchar_t kTestKey[] = L"Software\\TamberlockTest";

class RegistryKeys : public testing::Test {
 protected:
  void TearDown() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey); }
  static tk::UniqueRegKey Create(const std::wstring& path) {
    tk::UniqueRegKey k;
    ::RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, k.Put(), nullptr);
    return k;
  }
  static void FillEveryType(HKEY k) {
    ::RegSetValueExW(k, L"str", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"abc"), 8);
    ::RegSetValueExW(k, L"exp", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(L"%TEMP%"), 14);
    const DWORD dw = 1234;
    ::RegSetValueExW(k, L"dw", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dw), 4);
    const BYTE bin[3] = {1, 2, 3};
    ::RegSetValueExW(k, L"bin", 0, REG_BINARY, bin, 3);
    ::RegSetValueExW(k, L"multi", 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>(L"a\0b\0"), 10);
    const ULONGLONG qw = 99;
    ::RegSetValueExW(k, L"qw", 0, REG_QWORD, reinterpret_cast<const BYTE*>(&qw), 8);
  }
  static bool KeyExists(const std::wstring& path) {
    tk::UniqueRegKey k;
    return ::RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, k.Put()) == ERROR_SUCCESS;
  }
};

TEST_F(RegistryKeys, KeyWithEveryValueTypeAndSubKeysIsGone) {
  const std::wstring key = std::wstring(kTestKey) + L"\\Target";
  FillEveryType(Create(key).Get());
  FillEveryType(Create(key + L"\\A").Get());
  FillEveryType(Create(key + L"\\B\\Deeper").Get());
  TShredder engine;
  engine.DestroyRegKey(L"HKCU\\" + key);
  EXPECT_FALSE(KeyExists(key));
  EXPECT_TRUE(KeyExists(kTestKey)) << "only the key named goes";
}

TEST_F(RegistryKeys, ValuesAreOverwrittenInPlaceBeforeDeletion) {
  tk::UniqueRegKey k = Create(kTestKey);
  FillEveryType(k.Get());
  OverwriteRegValues(k.Get());
  auto read = [&](const wchar_t* name, DWORD& type) {
    std::vector<BYTE> data(64);
    DWORD size = 64;
    ::RegQueryValueExW(k.Get(), name, nullptr, &type, data.data(), &size);
    data.resize(size);
    return data;
  };
  DWORD type = 0;
  auto str = read(L"str", type);
  EXPECT_EQ(type, DWORD(REG_SZ));
  EXPECT_EQ(std::wstring(reinterpret_cast<const wchar_t*>(str.data())), std::wstring(7, L' '));
  auto exp = read(L"exp", type);
  EXPECT_EQ(type, DWORD(REG_EXPAND_SZ));
  EXPECT_EQ(std::wstring(reinterpret_cast<const wchar_t*>(exp.data())), std::wstring(13, L' '));
  EXPECT_EQ(read(L"dw", type), (std::vector<BYTE>{0, 0, 0, 0}));
  EXPECT_EQ(read(L"bin", type), (std::vector<BYTE>{0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(read(L"multi", type).size(), 10u);
  EXPECT_EQ(read(L"multi", type)[0], 'a');
  EXPECT_EQ(read(L"qw", type)[0], 99);
}

TEST_F(RegistryKeys, PrefixesResolveAndUnknownOnesAreRefused) {
  const auto a = ResolveRegKey(L"HKU\\S-1-5-21-X\\Software\\Old");
  const auto b = ResolveRegKey(L"HKU \\S-1-5-21-X\\Software\\Old");
  ASSERT_TRUE(a && b);
  EXPECT_EQ(a->root, HKEY_USERS);
  EXPECT_EQ(a->path, L"S-1-5-21-X\\Software\\Old");
  EXPECT_EQ(b->root, a->root);
  EXPECT_EQ(b->path, a->path);
  struct Row { const wchar_t* key; HKEY root; };
  for (Row r : {Row{L"HKCR\\x", HKEY_CLASSES_ROOT}, Row{L"HKCU\\x", HKEY_CURRENT_USER}, Row{L"HKLM\\x", HKEY_LOCAL_MACHINE},
                Row{L"HKCC\\x", HKEY_CURRENT_CONFIG}, Row{L"HKDD\\x", HKEY_DYN_DATA}}) {
    const auto t = ResolveRegKey(r.key);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->root, r.root);
    EXPECT_EQ(t->path, L"x");
  }
  EXPECT_FALSE(ResolveRegKey(L"XXXX\\Software"));
  EXPECT_FALSE(ResolveRegKey(L" HKCU\\Software"));

  // Without the refusal, "XXXX\" would be cut off and HKCU\Software\TamberlockTest destroyed.
  tk::UniqueRegKey k = Create(kTestKey);
  FillEveryType(k.Get());
  k.Reset();
  TShredder engine;
  engine.DestroyRegKey(std::wstring(L"XXXX\\") + kTestKey);
  engine.DestroyRegKey(L"HKCU\\");
  EXPECT_TRUE(KeyExists(kTestKey));
  EXPECT_TRUE(KeyExists(L"Software"));
}

// --- Devices -----------------------------------------------------------------------------------

TEST(Devices, PlainFileIsNotADevice) {
  tk::Application().Initialize();
  TempDir tmp;
  MakeFile(tmp / L"x.txt", "keep");
  TShredder engine;
  EXPECT_EQ(engine.DestroyDevice(tmp / L"x.txt", false, true), soFailed);
  EXPECT_EQ(ReadFileBytes(tmp / L"x.txt"), "keep");
  EXPECT_TRUE(TShredder::IsDevicePath(L"\\\\.\\T:"));
  EXPECT_EQ(TShredder::DeviceDriveLetter(L"\\\\.\\T:"), L'T');
  EXPECT_EQ(TShredder::QueryClusterSize(L"\\\\.\\T:"), 1u);
}

TEST(Devices, DeviceWithoutPartitionInformationIsLeftAlone) {
  if (!HaveScratchDrive()) GTEST_SKIP() << "no scratch drive T:";
  tk::Application().Initialize();
  MakeFile(L"T:\\witness.txt", "witness");
  TShredder engine;
  int passes = 0;
  engine.SetOnStartingFileOverwritePass([&](tk::TComponent*, const std::wstring&, int, int) { ++passes; });
  EXPECT_EQ(engine.DestroyDevice(L"\\\\.\\T:", false, true), soCompleted);
  EXPECT_EQ(ReadFileBytes(L"T:\\witness.txt"), "witness");
  ::DeleteFileW(L"T:\\witness.txt");
}

}  // namespace

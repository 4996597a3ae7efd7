// The settings store on a real INI file: every stored control class, the exclusions, the
// value rules, partial files, refused writes, and the click handlers a load runs.
#include "dialogs/VEKStdCtrls.h"
#include "settings/xinifile.h"
#include "support/TestFiles.h"
#include "toolkit/Application.h"
#include "toolkit/Forms.h"
#include "toolkit/StdCtrls.h"

#include <gtest/gtest.h>

#include <shlobj.h>

using namespace tk;
using testsupport::Exists;

namespace {

std::wstring DataFolder() { return SpecialFolderPath(CSIDL_LOCAL_APPDATA) + L"\\Tamberlock"; }

// A form with one control of every kind the store meets.
class SettingsForm : public TForm {
 public:
  SettingsForm() {
    SetName(L"Form1");
    box = Make<TCheckBox>(L"CheckBox1", this, this, L"Option");
    radio1 = Make<TRadioButton>(L"RadioButton1", this, this, L"One");
    radio2 = Make<TRadioButton>(L"RadioButton2", this, this, L"Two");
    combo = Make<TComboBox>(L"ComboBox1", this, this, csDropDownList);
    for (const wchar_t* s : {L"Simple zero-fill (1 pass)", L"RCMP - (3 Passes)", L"Peter Gutmann (35 passes)"}) combo->AddItem(s);
    edit = Make<TEdit>(L"Edit1", this, this);
    password = Make<TEdit>(L"Edit2", this, this);
    password->SetPasswordChar(L'*');
    label = Make<TLabel>(L"Label1", this, this);
    vekLabel = Make<vek::TVEKLabel>(L"VEKLabel1", this, this);
    button = Make<TButton>(L"Button1", this, this, L"Go");
    list = Make<TListBox>(L"ListBox1", this, this);
  }
  template <typename T, typename... A>
  T* Make(const wchar_t* name, A... args) {
    T* c = new T(args...);
    c->SetName(name);
    return c;
  }
  TCheckBox* box;
  TRadioButton *radio1, *radio2;
  TComboBox* combo;
  TEdit *edit, *password;
  TLabel* label;
  vek::TVEKLabel* vekLabel;
  TButton* button;
  TListBox* list;
};

class Settings : public testing::Test {
 protected:
  void SetUp() override {
    Application().Initialize();
    ::CreateDirectoryW(DataFolder().c_str(), nullptr);
    ::SetFileAttributesW(store.FileName().c_str(), FILE_ATTRIBUTE_NORMAL);
    ::DeleteFileW(store.FileName().c_str());
    store.setform(&form);
  }
  void TearDown() override { ::DeleteFileW(store.FileName().c_str()); }
  std::wstring Read(const wchar_t* key, const wchar_t* section = L"Form1") {
    wchar_t buf[4096] = {};
    ::GetPrivateProfileStringW(section, key, L"<missing>", buf, 4096, store.FileName().c_str());
    return buf;
  }
  void Write(const wchar_t* key, const std::wstring& value) {
    ASSERT_TRUE(::WritePrivateProfileStringW(L"Form1", key, value.c_str(), store.FileName().c_str()));
  }
  SettingsForm form;
  TxIniFile store;
};

TEST_F(Settings, FileLivesInTheDataFolder) {
  EXPECT_EQ(store.FileName(), DataFolder() + L"\\settings.ini");
  EXPECT_EQ(store.Excluded(), L"TLabel, TButton");
  EXPECT_FALSE(SpecialFolderPath(CSIDL_LOCAL_APPDATA).empty());
}

TEST_F(Settings, RoundTripOfEveryStoredClassAndTheExclusions) {
  form.box->SetChecked(true);
  form.radio2->SetChecked(true);
  form.combo->SetItemIndex(2);
  form.edit->SetText(L"C:\\Some path\\x.txt");
  form.password->SetText(L"hunter2");
  form.label->SetCaption(L"not stored");
  form.vekLabel->SetCaption(L"stored caption");
  form.list->AddItem(L"never stored");
  store.AccessProp(setP);

  EXPECT_EQ(Read(L"CheckBox1"), L"1");
  EXPECT_EQ(Read(L"RadioButton1"), L"0");
  EXPECT_EQ(Read(L"RadioButton2"), L"1");
  EXPECT_EQ(Read(L"ComboBox1"), L"2");
  EXPECT_EQ(Read(L"Edit1"), L"C:\\Some path\\x.txt");
  EXPECT_EQ(Read(L"Edit2"), L"") << "a password is never written";
  EXPECT_EQ(Read(L"VEKLabel1"), L"stored caption") << "a class derived from the label under another name";
  EXPECT_EQ(Read(L"Label1"), L"<missing>");
  EXPECT_EQ(Read(L"Button1"), L"<missing>");
  EXPECT_EQ(Read(L"ListBox1"), L"<missing>");

  form.box->SetChecked(false);
  form.radio1->SetChecked(true);
  form.combo->SetItemIndex(0);
  form.edit->SetText(L"changed");
  form.vekLabel->SetCaption(L"changed");
  store.AccessProp(getP);
  EXPECT_TRUE(form.box->Checked());
  EXPECT_TRUE(form.radio2->Checked());
  EXPECT_FALSE(form.radio1->Checked());
  EXPECT_EQ(form.combo->ItemIndex(), 2);
  EXPECT_EQ(form.edit->Text(), L"C:\\Some path\\x.txt");
  EXPECT_EQ(form.vekLabel->Caption(), L"stored caption");
}

TEST_F(Settings, ValueRules) {
  form.password->SetText(L"typed");
  Write(L"Edit2", L"from file");
  Write(L"ComboBox1", L"-1");
  Write(L"CheckBox1", L"0x1");
  Write(L"Edit1", std::wstring(3000, L'v'));
  form.combo->SetItemIndex(1);
  store.AccessProp(getP);
  EXPECT_EQ(form.password->Text(), L"") << "a password edit is emptied, the file not read";
  EXPECT_EQ(form.combo->ItemIndex(), -1);
  EXPECT_TRUE(form.box->Checked()) << "0x1 is hexadecimal 1";
  EXPECT_EQ(form.edit->Text(), std::wstring(2047, L'v'));

  Write(L"CheckBox1", L"abc");
  Write(L"ComboBox1", L"1.5");
  store.AccessProp(getP);
  EXPECT_TRUE(form.box->Checked()) << "not a number: the current state stays";
  EXPECT_EQ(form.combo->ItemIndex(), -1);
}

TEST_F(Settings, MissingOrPartialFileLeavesControlsAsTheyWere) {
  form.box->SetChecked(true);
  form.combo->SetItemIndex(1);
  form.edit->SetText(L"design");
  store.AccessProp(getP);  // no file at all
  EXPECT_TRUE(form.box->Checked());
  EXPECT_EQ(form.combo->ItemIndex(), 1);
  EXPECT_EQ(form.edit->Text(), L"design");
  EXPECT_FALSE(Exists(store.FileName())) << "loading writes nothing";

  Write(L"ComboBox1", L"0");
  store.AccessProp(getP);  // only one key
  EXPECT_EQ(form.combo->ItemIndex(), 0);
  EXPECT_TRUE(form.box->Checked());
  EXPECT_EQ(form.edit->Text(), L"design");
}

TEST_F(Settings, RefusedWriteRaisesUnableToWrite) {
  // The data folder is gone, so the file cannot be written.
  ::DeleteFileW(store.FileName().c_str());
  ASSERT_TRUE(::RemoveDirectoryW(DataFolder().c_str()));
  form.box->SetChecked(true);
  try {
    store.AccessProp(setP);
    ADD_FAILURE() << "no error raised";
  } catch (const EIniFileError& e) {
    const std::string expected = "Unable to write to " + std::string(store.FileName().begin(), store.FileName().end());
    EXPECT_EQ(e.what(), expected);
  }
  EXPECT_FALSE(Exists(store.FileName()));
  ::CreateDirectoryW(DataFolder().c_str(), nullptr);
}

TEST_F(Settings, LoadRunsClickHandlersOnlyForChanges) {
  int boxClicks = 0, radio1Clicks = 0, radio2Clicks = 0, comboChanges = 0;
  form.box->SetChecked(true);
  form.radio2->SetChecked(true);
  form.box->SetOnClick([&](TComponent*) { ++boxClicks; });
  form.radio1->SetOnClick([&](TComponent*) { ++radio1Clicks; });
  form.radio2->SetOnClick([&](TComponent*) { ++radio2Clicks; });
  form.combo->SetOnChange([&](TComponent*) { ++comboChanges; });

  Write(L"CheckBox1", L"1");
  store.AccessProp(getP);
  EXPECT_EQ(boxClicks, 0) << "no change, no click";

  Write(L"CheckBox1", L"0");
  Write(L"RadioButton1", L"1");
  Write(L"RadioButton2", L"0");
  Write(L"ComboBox1", L"2");
  store.AccessProp(getP);
  EXPECT_EQ(boxClicks, 1);
  EXPECT_EQ(radio1Clicks, 1);
  EXPECT_EQ(radio2Clicks, 0) << "the one that was cleared runs nothing";
  EXPECT_FALSE(form.radio2->Checked());
  EXPECT_EQ(comboChanges, 0);
  EXPECT_EQ(form.combo->ItemIndex(), 2);
}

TEST_F(Settings, UnboundStoreDoesNothing) {
  TxIniFile unbound;
  unbound.AccessProp(setP);
  EXPECT_FALSE(Exists(unbound.FileName()));
}

}  // namespace

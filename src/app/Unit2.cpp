// Options dialog: layout, shell-entry check boxes, mirrored security lists, saved on close.
#include "app/Unit2.h"

#include "app/SecurityLevels.h"
#include "app/ShellEntries.h"
#include "app/Unit1.h"
#include "fsutil/VEKGeneral.h"
#include "toolkit/ExtCtrls.h"

using namespace tk;

TOptions* Options = nullptr;

namespace {

TLabel* Heading(TComponent* owner, TWinControl* parent, const wchar_t* text, int left, int top) {
  auto* l = new TLabel(owner, parent);
  l->SetDesignBounds(left, top, 0, 13);
  l->SetFontStyle(true, false);
  l->SetCaption(vek::TranslateText(text));
  return l;
}

TCheckBox* Box(TComponent* owner, TWinControl* parent, const wchar_t* name, const wchar_t* caption, int left,
               int top, bool checked) {
  auto* b = new TCheckBox(owner, parent, vek::TranslateText(caption));
  b->SetName(name);
  b->SetDesignBounds(left, top, 416, 19);
  b->SetChecked(checked);
  return b;
}

TComboBox* LevelList(TComponent* owner, TWinControl* parent, const wchar_t* name) {
  auto* label = new TLabel(owner, parent);
  label->SetDesignBounds(16, 40, 0, 13);
  label->SetCaption(vek::TranslateText(L"Security level:"));
  auto* c = new TComboBox(owner, parent, csDropDown);
  c->SetName(name);
  c->SetDesignBounds(120, 36, 240, 21);
  for (const wchar_t* item : kSecurityLevelNames) c->AddItem(item);
  c->SetText(kSecurityLevelNames[0]);
  return c;
}

}  // namespace

TOptions::TOptions(TComponent* AOwner) : TForm(AOwner) {
  SetName(L"Options");
  SetCaption(vek::TranslateText(L"Options"));
  SetBorderStyle(bsDialog);
  SetBorderIcons(biSystemMenu);
  SetPosition(poOwnerFormCenter);
  SetDesignClientSize(468, 300);

  PageControl1 = new TPageControl(this, this);
  PageControl1->SetDesignBounds(8, 8, 452, 250);
  TabSheet1 = new TTabSheet(this, PageControl1, vek::TranslateText(L"General"));
  TabSheet2 = new TTabSheet(this, PageControl1, vek::TranslateText(L"File Sheredder"));
  TabSheet3 = new TTabSheet(this, PageControl1, vek::TranslateText(L"Drive Wipper"));

  Heading(this, TabSheet1, L"General", 12, 10);
  CheckBox6 = Box(this, TabSheet1, L"CheckBox6", L"Load at Windows startup", 20, 30, true);
  CheckBox9 = Box(this, TabSheet1, L"CheckBox9", L"Minimize to system tray when program starts up", 20, 52, true);
  CheckBox10 = Box(this, TabSheet1, L"CheckBox10", L"Show Balloontip Message When Finished", 20, 74, true);
  Heading(this, TabSheet1, L"Windows Shell context menu", 12, 108);
  CheckBox7 = Box(this, TabSheet1, L"CheckBox7", L"Add Tamberlock option to File Windows Explorer context menu", 20,
                  128, true);
  CheckBox8 = Box(this, TabSheet1, L"CheckBox8", L"Add Tamberlock option to Folder Windows Explorer context menu", 20,
                  150, true);

  Heading(this, TabSheet2, L"File Shredder", 12, 10);
  ComboBox1 = LevelList(this, TabSheet2, L"ComboBox1");
  Heading(this, TabSheet2, L"General", 12, 76);
  CheckBox2 = Box(this, TabSheet2, L"CheckBox2", L"Reduce memory usage", 20, 96, true);
  CheckBox3 = Box(this, TabSheet2, L"CheckBox3", L"Delete Subfolder", 20, 118, true);
  ckSilentDestroyFileDir = Box(this, TabSheet2, L"ckSilentDestroyFileDir", L"Silent Mode", 20, 140, false);
  CheckBox4 = Box(this, TabSheet2, L"CheckBox4", L"Exit when finished", 20, 162, false);

  Heading(this, TabSheet3, L"Drive Wipper", 12, 10);
  ComboBox3 = LevelList(this, TabSheet3, L"ComboBox3");
  Heading(this, TabSheet3, L"General", 12, 76);
  CheckBox1 = Box(this, TabSheet3, L"CheckBox1", L"Wipe MFT Free Space", 20, 96, true);
  CheckBox5 = Box(this, TabSheet3, L"CheckBox5", L"Wipe FAT Free Space", 20, 118, true);

  Button1 = new TButton(this, this, vek::TranslateText(L"OK"));
  Button1->SetName(L"Button1");
  Button1->SetDesignBounds(304, 268, 75, 25);
  Button1->SetDefault(true);
  Button1->SetOnClick([this](TComponent*) { Close(); });
  Button2 = new TButton(this, this, vek::TranslateText(L"Cancel"));
  Button2->SetName(L"Button2");
  Button2->SetDesignBounds(385, 268, 75, 25);
  Button2->SetCancel(true);
  Button2->SetOnClick([this](TComponent*) { Close(); });

  // The handlers are attached once the design state is set: only a load that changes a box runs them.
  CheckBox6->SetOnClick([this](TComponent* s) { CheckBox6Click(s); });
  CheckBox7->SetOnClick([this](TComponent* s) { CheckBox7Click(s); });
  CheckBox8->SetOnClick([this](TComponent* s) { CheckBox8Click(s); });
  CheckBox6->SetOnEnter([this](TComponent*) {
    CheckBoxEnter(L"Tamberlock Windows startup requires administrator privileges");
  });
  const wchar_t* contextBalloon =
      L"Tamberlock option to Folder Windows Explorer context menu requires administrator privileges";
  CheckBox7->SetOnEnter([this, contextBalloon](TComponent*) { CheckBoxEnter(contextBalloon); });
  CheckBox8->SetOnEnter([this, contextBalloon](TComponent*) { CheckBoxEnter(contextBalloon); });
  ComboBox1->SetOnChange([this](TComponent* s) { ComboBox1Change(s); });
  ComboBox3->SetOnChange([this](TComponent* s) { ComboBox3Change(s); });
  SetOnCloseQuery([this](TComponent* s, bool& can) { FormCloseQuery(s, can); });
  SetOnCreate([this](TComponent* s) { FormCreate(s); });
  DoCreate();
}

void TOptions::FormCreate(TComponent*) {
  FStore = std::make_unique<TxIniFile>(L"");
  FStore->setform(this);
  FStore->AccessProp(getP);
}

void TOptions::FormCloseQuery(TComponent*, bool& CanClose) {
  FStore->AccessProp(setP);
  CanClose = true;
}

void TOptions::CheckBox6Click(TComponent*) {
  if (CheckBox6->Checked())
    AddRunEntry(L"Tamberlock", RunEntryData());
  else
    RemoveRunEntry(L"Tamberlock");
}

void TOptions::CheckBox7Click(TComponent*) {
  if (CheckBox7->Checked())
    AddContextMenuEntry(L"*");
  else
    RemoveContextMenuEntry(L"*\\shell\\Tamberlock");
}

void TOptions::CheckBox8Click(TComponent*) {
  if (CheckBox8->Checked())
    AddContextMenuEntry(L"Folder");
  else
    RemoveContextMenuEntry(L"Folder\\shell\\Tamberlock");
}

void TOptions::CheckBoxEnter(const std::wstring& balloon) {
  if (!Form1) return;
  Form1->TrayIcon1->SetBalloonHint(vek::TranslateText(balloon));
  Form1->TrayIcon1->ShowBalloonHint();
}

void TOptions::ComboBox1Change(TComponent*) {
  const int i = ComboBox1->ItemIndex();
  if (Form1 && i >= 0 && i <= 4) Form1->ComboBox1->SetItemIndex(i);
}

void TOptions::ComboBox3Change(TComponent*) {
  const int i = ComboBox3->ItemIndex();
  if (Form1 && i >= 0 && i <= 4) Form1->ComboBox3->SetItemIndex(i);
}

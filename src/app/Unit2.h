// Options dialog: preferences, start-up and context-menu entries, default security levels.
#pragma once

#include "settings/xinifile.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/Forms.h"
#include "toolkit/StdCtrls.h"

#include <memory>

class TOptions : public tk::TForm {
 public:
  explicit TOptions(tk::TComponent* AOwner);
  std::wstring ClassName() const override { return L"TOptions"; }

  tk::TPageControl* PageControl1;
  tk::TTabSheet *TabSheet1, *TabSheet2, *TabSheet3;
  tk::TCheckBox *CheckBox6, *CheckBox9, *CheckBox10, *CheckBox7, *CheckBox8;
  tk::TComboBox* ComboBox1;
  tk::TCheckBox *CheckBox2, *CheckBox3, *ckSilentDestroyFileDir, *CheckBox4;
  tk::TComboBox* ComboBox3;
  tk::TCheckBox *CheckBox1, *CheckBox5;
  tk::TButton *Button1, *Button2;

  void FormCreate(tk::TComponent* Sender);
  void FormCloseQuery(tk::TComponent* Sender, bool& CanClose);
  // Writes every control of the dialog to the settings file.
  void SaveSettings() { FStore->AccessProp(setP); }
  void CheckBox6Click(tk::TComponent* Sender);
  void CheckBox7Click(tk::TComponent* Sender);
  void CheckBox8Click(tk::TComponent* Sender);
  void CheckBoxEnter(const std::wstring& balloon);
  void ComboBox1Change(tk::TComponent* Sender);
  void ComboBox3Change(tk::TComponent* Sender);

 private:
  std::unique_ptr<TxIniFile> FStore;
};

extern TOptions* Options;

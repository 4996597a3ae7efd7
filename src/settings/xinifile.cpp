// TxIniFile: the component walk and the class tests that decide what is stored.
#include "settings/xinifile.h"

#include "toolkit/Forms.h"
#include "toolkit/StdCtrls.h"

#include <shlobj.h>

std::wstring SpecialFolderPath(int folder) {
  wchar_t buffer[262] = {};
  if (FAILED(::SHGetFolderPathW(nullptr, folder, nullptr, 0, buffer))) return {};
  buffer[261] = L'\0';
  return buffer;
}

TxIniFile::TxIniFile(const std::wstring&)
    : filename(SpecialFolderPath(CSIDL_LOCAL_APPDATA) + L"\\Tamberlock\\settings.ini"),
      config(std::make_unique<TIniAccessor>(filename)) {}

void TxIniFile::AccessProp(TGetSet Command) {
  if (!form) return;
  const std::wstring section = form->Name();
  const bool load = Command == getP;
  for (int i = 0; i < form->ComponentCount(); ++i) {
    tk::TComponent* c = form->Components(i);
    const std::wstring key = c->Name();
    if (ExcObj.find(c->ClassName()) != std::wstring::npos) continue;
    if (auto* edit = dynamic_cast<tk::TEdit*>(c)) {
      if (edit->PasswordChar() != 0) {
        // A password is never kept on disk.
        if (load) edit->SetText(std::wstring());
        else config->WriteString(section, key, std::wstring());
      } else if (load) {
        edit->SetText(config->ReadString(section, key, edit->Text()));
      } else {
        config->WriteString(section, key, edit->Text());
      }
    } else if (auto* label = dynamic_cast<tk::TLabel*>(c)) {
      if (load) label->SetCaption(config->ReadString(section, key, label->Caption()));
      else config->WriteString(section, key, label->Caption());
    } else if (auto* box = dynamic_cast<tk::TCheckBox*>(c)) {  // radio buttons too
      if (load) box->SetChecked(config->ReadBool(section, key, box->Checked()));
      else config->WriteBool(section, key, box->Checked());
    } else if (auto* combo = dynamic_cast<tk::TComboBox*>(c)) {
      if (load) combo->SetItemIndex(config->ReadInteger(section, key, combo->ItemIndex()));
      else config->WriteInteger(section, key, combo->ItemIndex());
    }
  }
}

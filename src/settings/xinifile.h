// TxIniFile: remembers the input controls of one form in the per-user settings file
// (<local application data>\Tamberlock\settings.ini, one section per form, one key per control).
#pragma once

#include "settings/IniAccessor.h"

#include <memory>
#include <string>

namespace tk {
class TForm;
}

enum TGetSet { getP, setP };

// A shell special folder by number (28: the local application-data folder); empty on failure.
std::wstring SpecialFolderPath(int folder);

class TxIniFile {
 public:
  // The parameter takes no part: the file is always the one in the data folder.
  explicit TxIniFile(const std::wstring& pfilename = std::wstring());
  virtual ~TxIniFile() = default;

  void setform(tk::TForm* pForm) { form = pForm; }
  // getP loads the file into the controls, setP writes the controls into the file. Check boxes
  // changed by a load run their OnClick; combo boxes do not run OnChange. A refused write
  // raises EIniFileError and stops the save there.
  void AccessProp(TGetSet Command);

  const std::wstring& FileName() const { return filename; }
  // Class names that are never stored (a substring test).
  const std::wstring& Excluded() const { return ExcObj; }

 private:
  std::wstring filename;
  tk::TForm* form = nullptr;
  std::unique_ptr<TIniAccessor> config;
  std::wstring ExcObj = L"TLabel, TButton";
};

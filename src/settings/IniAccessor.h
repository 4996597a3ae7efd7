// TIniAccessor: one INI file read and written through the platform's profile functions,
// every write at once, with the value rules the settings file relies on.
#pragma once

#include <stdexcept>
#include <string>

// Raised when the platform refuses a write: "Unable to write to <file>".
class EIniFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TIniAccessor {
 public:
  explicit TIniAccessor(std::wstring fileName) : FFileName(std::move(fileName)) {}
  const std::wstring& FileName() const { return FFileName; }

  // At most 2047 characters come back; a missing key gives the default.
  std::wstring ReadString(const std::wstring& section, const std::wstring& key, const std::wstring& def) const;
  void WriteString(const std::wstring& section, const std::wstring& key, const std::wstring& value) const;
  // Decimal, or hexadecimal after "0x"; anything else gives the default.
  int ReadInteger(const std::wstring& section, const std::wstring& key, int def) const;
  void WriteInteger(const std::wstring& section, const std::wstring& key, int value) const;
  // Written as "1" or "0", read as an integer: any non-zero value is true.
  bool ReadBool(const std::wstring& section, const std::wstring& key, bool def) const;
  void WriteBool(const std::wstring& section, const std::wstring& key, bool value) const;

 private:
  std::wstring FFileName;
};

// Main window: the shred list: adding files, folders, drops and parameters; removing entries.
#include "app/Icons.h"
#include "app/Unit1.h"
#include "engine/PassData.h"
#include "fsutil/VEKGeneral.h"
#include "toolkit/Handles.h"

#include <cstdio>

using namespace tk;

std::wstring NameOfPath(const std::wstring& path) {
  const auto pos = path.find_last_of(L"\\:");
  return pos == std::wstring::npos ? path : path.substr(pos + 1);
}

std::wstring FormatFileSize(const std::wstring& path) {
  LARGE_INTEGER size{};
  {
    UniqueKernelHandle h(::CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    LARGE_INTEGER zero{};
    if (!h || !::SetFilePointerEx(h.Get(), zero, &size, FILE_END))
      return vek::TranslateText(L"Unable to open file ") + path;
  }
  const int64_t s = size.QuadPart;
  if (s < 1024) return std::to_wstring(s) + L" bytes";
  struct Unit { int64_t limit; double divisor; const wchar_t* name; };
  static constexpr Unit kUnits[] = {{1048576LL, 1024.0, L"KB"},
                                    {1073741824LL, 1048576.0, L"MB"},
                                    {1099511627776LL, 1073741824.0, L"GB"},
                                    {INT64_MAX, 1099511627776.0, L"TB"}};
  for (const Unit& u : kUnits) {
    if (s < u.limit || u.limit == INT64_MAX) {
      wchar_t text[64];
      std::swprintf(text, 64, L"%.2f", double(s) / u.divisor);
      std::wstring value = text;
      const auto dot = value.find(L'.');
      if (dot != std::wstring::npos) value.replace(dot, 1, UserDecimalSeparator());
      return value + L" " + u.name;
    }
  }
  return {};
}

bool GetFolderTimeStamp(const std::wstring& path, SYSTEMTIME& localTime) {
  WIN32_FIND_DATAW fd{};
  UniqueFindHandle find(::FindFirstFileW(path.c_str(), &fd));
  if (!find) return false;
  FILETIME local{};
  return ::FileTimeToLocalFileTime(&fd.ftLastWriteTime, &local) && ::FileTimeToSystemTime(&local, &localTime);
}

namespace {

std::wstring ShortDate(const SYSTEMTIME& t) {
  wchar_t text[128] = {};
  ::GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &t, nullptr, text, 128, nullptr);
  return text;
}

// "dddd, d. mmmm yyyy, hh:mm:ss" with the user's day and month names.
std::wstring LongDateTime(const SYSTEMTIME& t) {
  wchar_t date[128] = {}, time[64] = {};
  ::GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &t, L"dddd, d. MMMM yyyy", date, 128, nullptr);
  ::GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &t, L"HH':'mm':'ss", time, 64);
  return std::wstring(date) + L", " + time;
}

// The file's last-write time as a local DOS date-time would keep it (two-second steps).
bool FileAgeDate(const std::wstring& path, SYSTEMTIME& out) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  FILETIME local{};
  WORD dosDate = 0, dosTime = 0;
  return ::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) &&
         ::FileTimeToLocalFileTime(&data.ftLastWriteTime, &local) &&
         ::FileTimeToDosDateTime(&local, &dosDate, &dosTime) && ::DosDateTimeToFileTime(dosDate, dosTime, &local) &&
         ::FileTimeToSystemTime(&local, &out);
}

}  // namespace

void TForm1::AddFileEntry(const std::wstring& path) {
  TListItem* item = ListView1->AddItem();
  item->SetImageIndex(iiFile);
  item->SetGroupID(1);
  item->SetCaption(path);
  item->AddSubItem(NameOfPath(path));
  SYSTEMTIME t{};
  item->AddSubItem(FileAgeDate(path, t) ? ShortDate(t) : std::wstring());
  item->AddSubItem(FormatFileSize(path));
}

void TForm1::AddFolderEntry(const std::wstring& path) {
  TListItem* item = ListView1->AddItem();
  item->SetGroupID(0);
  item->SetCaption(path);
  item->SetImageIndex(iiFolder);
  item->AddSubItem(NameOfPath(path));
  SYSTEMTIME t{};
  item->AddSubItem(GetFolderTimeStamp(path, t) ? LongDateTime(t) : std::wstring());
}

void TForm1::HandleParam(const std::wstring& Param) {
  TListItem* item = ListView1->AddItem();
  ListView1->SetGroupView(false);  // an entry without a group must stay visible
  item->SetImageIndex(iiFile);
  item->SetCaption(Param);
  Timer3->SetEnabled(true);
}

void TForm1::FlatSpeedButton4Click(TComponent*) {
  OpenDialog1->SetMultiSelect(true);
  if (!OpenDialog1->Execute(Handle())) return;
  for (const auto& f : OpenDialog1->Files()) AddFileEntry(f);
}

void TForm1::FlatSpeedButton1Click(TComponent*) {
  TFolderDialog dialog;
  if (dialog.Execute(Handle())) AddFolderEntry(dialog.Folder());
}

void TForm1::VEKDropFiles2FileDrop(TComponent*, const std::wstring& DropItem, POINT) { AddFileEntry(DropItem); }

void TForm1::VEKDropFiles2DirectoryDrop(TComponent*, const std::wstring& DropItem, POINT) { AddFolderEntry(DropItem); }

// A running job owns its entries: they stay until it has processed them.
void TForm1::RemoveSelectedEntries() {
  if (FJobRunning) return;
  for (int i = ListView1->Count() - 1; i >= 0; --i)
    if (ListView1->Items(i)->Selected()) ListView1->Delete(i);
}

void TForm1::ClearList() {
  if (!FJobRunning) ListView1->Clear();
}

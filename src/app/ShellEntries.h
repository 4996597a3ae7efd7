// The start-up value and the Explorer context-menu verbs: writing and removing registry entries.
#pragma once

#include <windows.h>

#include <string>

// Where the start-up value lives, under HKEY_CURRENT_USER.
inline constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
// Per-user classes, which Explorer shows through HKEY_CLASSES_ROOT.
inline constexpr wchar_t kUserClassesKey[] = L"Software\\Classes";

// The full path of the running program.
std::wstring ProgramPath();
// "<program>" /start
std::wstring RunEntryData();
// "<program>" "%1"
std::wstring ContextMenuCommand();

// Writes a string value under HKEY_CURRENT_USER\Run; raises "Failed to create key %s" or
// "Failed to set data for '%s'" when the registry refuses.
void AddRunEntry(const std::wstring& name, const std::wstring& data);
// Deletes the value; shows "Key not found" when the Run key does not open.
void RemoveRunEntry(const std::wstring& name);
// Creates the key with its parents and writes the string value; false on any refusal.
bool WriteRegistryString(const std::wstring& keyPath, const std::wstring& valueName, const std::wstring& value,
                         HKEY root);
// Deletes the key with its subkeys, then each parent left with no values and no subkeys.
// True when the key itself was deleted.
bool DeleteKeyAndEmptyParents(const std::wstring& keyPath, HKEY root);

// The verb for a class ("*" or "Folder") for the current user, and its removal, which also
// tries the machine-wide verb.
bool AddContextMenuEntry(const std::wstring& className);
void RemoveContextMenuEntry(const std::wstring& verbKey);

// Registry keys as shredding targets: prefix resolution and value overwriting.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

struct TRegKeyTarget {
  HKEY root;
  std::wstring prefix;  // as written, e.g. "HKU \"
  std::wstring path;    // below the root
};

// The root and path a key names; nothing for a key without one of the known prefixes.
std::optional<TRegKeyTarget> ResolveRegKey(const std::wstring& key);

// Overwrites the key's own values in place: strings with spaces, integers with 0, binary data
// with 0xFF. Other types are left for the deletion. Throws when a value cannot be written.
void OverwriteRegValues(HKEY key);

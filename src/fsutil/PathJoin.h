// Path joining and trailing-backslash rules shared by the two iterators.
#pragma once

#include <string>

namespace vek {

// dir + name with exactly one backslash between them; dir is never empty.
inline std::wstring JoinPath(const std::wstring& dir, const std::wstring& name) {
  if (!dir.empty() && dir.back() == L'\\') return dir + name;
  return dir + L'\\' + name;
}

// Drops one trailing backslash, but keeps roots such as C:\ and .\ intact.
inline std::wstring StripTrailingBackslash(const std::wstring& path) {
  if (path.size() > 2 && path.back() == L'\\' && path[path.size() - 2] != L':')
    return path.substr(0, path.size() - 1);
  return path;
}

}  // namespace vek

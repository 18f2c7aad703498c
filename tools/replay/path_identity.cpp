#include "replay/path_identity.h"

#include <system_error>

namespace fs = std::filesystem;

bool SameFile(const fs::path& a, const fs::path& b) {
  std::error_code error;
  const bool aExists = fs::exists(a, error);
  const bool bExists = fs::exists(b, error);
  if (aExists || bExists) {
    return aExists && bExists && fs::equivalent(a, b, error);
  }
  return a.filename() == b.filename() && SameFile(FolderOf(a), FolderOf(b));
}

bool InsideFolder(const fs::path& path, const fs::path& folder) {
  std::error_code error;
  // Resolved, so that every step up is to the folder the file system sees.
  fs::path at = fs::weakly_canonical(fs::absolute(path, error), error);
  if (error) {
    at = fs::absolute(path, error).lexically_normal();
  }
  while (at.has_relative_path()) {
    at = at.parent_path();
    if (SameFile(at, folder)) {
      return true;
    }
  }
  return false;
}

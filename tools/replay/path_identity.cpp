#include "replay/path_identity.h"

#include <system_error>

namespace fs = std::filesystem;

namespace {

// As many links as the system follows in one path.
constexpr int kMaxLinks = 40;

}  // namespace

fs::path WrittenPath(const fs::path& path, std::error_code& error) {
  fs::path at = path;
  error.clear();
  for (int links = 0; !error; ++links) {
    const fs::file_status status = fs::symlink_status(at, error);
    if (status.type() == fs::file_type::not_found) {
      error.clear();
      return at;
    }
    if (!error && !fs::is_symlink(status)) {
      return at;
    }
    if (links == kMaxLinks) {
      error = std::make_error_code(std::errc::too_many_symbolic_link_levels);
    } else if (!error) {
      at = FolderOf(at) / fs::read_symlink(at, error);
    }
  }
  return path;
}

bool SameFile(const fs::path& a, const fs::path& b) {
  std::error_code error;
  const bool aExists = fs::exists(a, error);
  const bool bExists = fs::exists(b, error);
  if (aExists || bExists) {
    return aExists && bExists && fs::equivalent(a, b, error);
  }
  // A loop of links is compared as it is spelt.
  std::error_code loop;
  const fs::path writtenA = WrittenPath(a, loop);
  const fs::path writtenB = WrittenPath(b, loop);
  return writtenA.filename() == writtenB.filename() &&
         SameFile(FolderOf(writtenA), FolderOf(writtenB));
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

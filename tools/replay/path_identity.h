// Whether two paths name one file as the file system sees it, however they
// are spelt: through links, "..", another mount of the same folder.
#pragma once

#include <filesystem>
#include <system_error>

// The folder `file` is in.
inline std::filesystem::path FolderOf(const std::filesystem::path& file) {
  return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

// The path a write to `path` lands on, as the system opens it: each link at
// its end followed, also one naming a file that does not exist yet. A loop
// of links sets `error`, and gives `path` as it is.
std::filesystem::path WrittenPath(const std::filesystem::path& path, std::error_code& error);

// Two that exist are one file with one device and inode; two that do not
// exist yet would be one with the same name in the same folder, once links
// at their ends are followed.
bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b);

// Whether `path` lies inside `folder`, at any depth; `folder` need not
// exist yet.
bool InsideFolder(const std::filesystem::path& path, const std::filesystem::path& folder);

// Folders: making them, listing them, and removing a file from them. The judge's runs and
// its lists of submissions go through these alone; a rename goes through
// system_file::replace, which has each platform's own form.
#pragma once

#include <filesystem>
#include <system_error>
#include <vector>

namespace pelvano::folders {

enum class EntryKind {
  kFile,           // a regular file, or a link to one
  kFolder,         // a folder, or a link to one
  kLinkToNothing,  // a link whose target is missing
  kOther,          // a device, a socket, a pipe
};

struct Entry {
  std::filesystem::path path;
  EntryKind kind;
};

// The entries of `folder` ("." and ".." not among them), in no order; nothing, with `error`
// set, when it cannot be listed.
std::vector<Entry> list(const std::filesystem::path& folder, std::error_code& error);

// Whether `path` is a folder, following links.
bool isFolder(const std::filesystem::path& path);
// Whether `path` itself is a folder, or a regular file: a link is neither.
bool isRealFolder(const std::filesystem::path& path);
bool isRealFile(const std::filesystem::path& path);

// Creates `folder` and the missing folders above it; nothing when it exists.
std::error_code createAll(const std::filesystem::path& folder);
// Creates `folder`, whose parent exists.
std::error_code create(const std::filesystem::path& folder);
// Removes a file.
std::error_code removeFile(const std::filesystem::path& file);

}  // namespace pelvano::folders

// Replacing a file without ever losing its old content.
#pragma once

#include <string>

namespace dorvel {

// Writes `content` to a new temporary file in the folder of `path`, flushes
// it to the disk (fsync), then renames it over `path` and flushes the folder.
// A symbolic link at `path` is followed: the file it points to is replaced
// and the link stays.  An existing file's permission bits are kept.  On any
// failure the temporary file is removed, `path` is left exactly as it was,
// `reason` says what went wrong and the result is false.
bool replaceFileContent(const std::string& path, const std::string& content, std::string& reason);

}  // namespace dorvel

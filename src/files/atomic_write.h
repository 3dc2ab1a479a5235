// Replacing a file without ever losing its old content, and reading one
// without ever blocking.
#pragma once

#include <cstddef>
#include <ctime>
#include <string>

namespace dorvel {

// Writes `content` to a new temporary file in the folder of `path`, flushes
// it to the disk (fsync), then puts it in place of `path` and flushes the
// folder.
//
// - Symbolic links on the way (folders and the last name) are followed to
//   the name they finally stand for: that file is replaced (or created, for
//   a dangling link) and the links stay.  A link that the kernel's
//   protection of shared sticky folders would refuse (fs.protected_symlinks:
//   in a world-writable sticky folder, owned neither by this user nor by the
//   folder's owner) is refused whatever the system setting, nothing written.
// - The target must be a regular file or not exist yet: a folder, a device
//   node, a FIFO or a socket is refused and left untouched.  A file without
//   write permission (mode 444) is refused, for root too.
// - An existing file keeps its permission bits, and its owner and group
//   where the process may set them.
// - A file with several names (hard links), a file in a folder where no new
//   file may be made and another user's file in a sticky folder are written
//   in place instead, once the whole content is prepared and its room
//   claimed (file-size limit, disk blocks); a failed write puts the old
//   content back.
// - The temporary file has no name while it is written (O_TMPFILE) where
//   the file system allows it, otherwise a hidden name ".NAME.*.dorvel-tmp"
//   held under a lock; such a name left by a save that was killed is removed
//   by the next save of the same target.
//
// On any failure the temporary file is removed, `path` is left exactly as it
// was, `reason` names the file and says what went wrong, and the result is
// false.
bool replaceFileContent(const std::string& path, const std::string& content, std::string& reason);

// Reads a whole regular file into `content`.  The file is opened without
// blocking (a FIFO with no writer, a device) and must be a regular file
// before anything is read.  At most `maxSize` bytes: a larger file sets
// `tooLarge` and gives false.  On success `modified` receives the file's
// modification time.  On failure `reason` names the file and says why.
bool readRegularFile(const std::string& path, std::size_t maxSize, std::string& content,
                     std::string& reason, std::time_t* modified = nullptr,
                     bool* tooLarge = nullptr);

}  // namespace dorvel

#include "files/atomic_write.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

namespace dorvel {

namespace {

constexpr const char* kTempSuffix = ".dorvel-tmp";

std::string systemError(const std::string& what, const std::string& path, int err) {
  return what + " " + path + ": " + std::strerror(err);
}

std::string folderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A link the kernel's protection of shared sticky folders would refuse to
// follow (fs.protected_symlinks): one lying in a world-writable sticky folder
// (/tmp, a shared drop folder) and owned neither by the caller nor by the
// folder's owner.  Another user may have planted it there to make this
// program write where that user may not; it is refused whatever the system
// setting says.
bool plantedByAnother(const std::string& folder, const struct stat& link) {
  struct stat dir {};
  if (::stat(folder.c_str(), &dir) != 0) return true;  // cannot tell: no trust
  if ((dir.st_mode & S_ISVTX) == 0 || (dir.st_mode & S_IWOTH) == 0) return false;
  const uid_t me = ::geteuid();
  return link.st_uid != me && link.st_uid != dir.st_uid;
}

std::vector<std::string> componentsOf(const std::string& path) {
  std::vector<std::string> parts;
  size_t from = 0;
  while (from <= path.size()) {
    size_t slash = path.find('/', from);
    if (slash == std::string::npos) slash = path.size();
    if (slash > from) parts.push_back(path.substr(from, slash - from));
    from = slash + 1;
  }
  return parts;
}

// The name `path` finally stands for, with every symbolic link on the way
// (folders and the last name) replaced by what it names, a relative link
// from the folder it lies in; the last name may not exist yet (a new file or
// a dangling link).  Links are followed as the kernel follows them, but each
// is checked first (plantedByAnother).  False on a refused link, a loop or a
// link that cannot be read.
bool resolveLinks(const std::string& path, std::string& target, std::string& reason) {
  const bool absolute = !path.empty() && path.front() == '/';
  std::vector<std::string> done;  // the resolved folders so far, no links among them
  std::vector<std::string> todo = componentsOf(path);
  std::reverse(todo.begin(), todo.end());  // the next component at the back
  bool rooted = absolute;
  const auto joined = [&](const std::vector<std::string>& parts) {
    std::string s = rooted ? "/" : "";
    for (size_t i = 0; i < parts.size(); ++i) s += (i ? "/" : "") + parts[i];
    return s.empty() ? std::string(".") : s;
  };
  int hops = 0;
  while (!todo.empty()) {
    const std::string part = todo.back();
    todo.pop_back();
    if (part == ".") continue;
    if (part == "..") {
      // The folders resolved so far are real ones: ".." is their parent.
      if (!done.empty() && done.back() != "..")
        done.pop_back();
      else if (!rooted)
        done.push_back("..");
      continue;
    }
    std::vector<std::string> next = done;
    next.push_back(part);
    const std::string name = joined(next);
    struct stat st {};
    if (::lstat(name.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
      // Not a link (or not there: a new file, or a folder that is missing,
      // which the write itself reports).
      done = std::move(next);
      continue;
    }
    if (++hops > 40) {
      reason = systemError("cannot follow the link", path, ELOOP);
      return false;
    }
    const std::string folder = joined(done);
    if (plantedByAnother(folder, st)) {
      reason = "cannot follow the link " + name + ": it lies in the shared folder " + folder +
               " and belongs to another user";
      return false;
    }
    char buf[PATH_MAX];
    const ssize_t n = ::readlink(name.c_str(), buf, sizeof buf - 1);
    if (n <= 0) {
      reason = systemError("cannot follow the link", name, n < 0 ? errno : ENOENT);
      return false;
    }
    const std::string link(buf, static_cast<size_t>(n));
    if (link.front() == '/') {
      done.clear();
      rooted = true;
    }
    std::vector<std::string> parts = componentsOf(link);
    for (auto it = parts.rbegin(); it != parts.rend(); ++it) todo.push_back(*it);
  }
  target = joined(done);
  return true;
}

// The hidden names of this target's temporary files: ".NAME." ... ".dorvel-tmp".
// The name is shortened so the whole stays within a file name's 255 bytes.
std::string temporaryPrefix(const std::string& name) { return "." + name.substr(0, 200) + "."; }

std::string randomTag() {
  static std::atomic<unsigned> counter{0};
  static const unsigned long long seed = [] {
    std::random_device rd;
    return (static_cast<unsigned long long>(rd()) << 32) ^ rd();
  }();
  unsigned long long v = seed ^ (static_cast<unsigned long long>(::getpid()) << 20) ^
                         counter.fetch_add(1) ^
                         static_cast<unsigned long long>(
                             std::chrono::steady_clock::now().time_since_epoch().count());
  std::mt19937_64 mix(v);
  static const char digits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  std::string tag;
  for (int i = 0; i < 10; ++i) tag += digits[mix() % 36];
  return tag;
}

// Removes the temporary files of earlier saves of the same target that were
// killed before they finished.  A save in progress holds a lock on its file;
// a file whose lock can be taken has no writer left.
void removeStaleTemporaries(const std::string& folder, const std::string& name) {
  const std::string prefix = temporaryPrefix(name);
  const std::string suffix = kTempSuffix;
  int dfd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dfd < 0) return;
  DIR* dir = ::fdopendir(dfd);
  if (dir == nullptr) {
    ::close(dfd);
    return;
  }
  while (const dirent* e = ::readdir(dir)) {
    const std::string entry = e->d_name;
    if (entry.size() <= prefix.size() + suffix.size() || entry.compare(0, prefix.size(), prefix) != 0 ||
        entry.compare(entry.size() - suffix.size(), suffix.size(), suffix) != 0)
      continue;
    int fd = ::openat(dfd, entry.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
      ::unlinkat(dfd, entry.c_str(), 0);
    ::close(fd);
  }
  ::closedir(dir);
}

// The temporary file being written: an unnamed one (O_TMPFILE) or one with a
// hidden name; `lock` is a second descriptor of it that holds the lock until
// the file is in place.
struct Temporary {
  int fd = -1;
  int lock = -1;
  std::string name;  // empty while unnamed

  void discard() {
    if (fd >= 0) ::close(fd);
    if (!name.empty()) ::unlink(name.c_str());
    if (lock >= 0) ::close(lock);
    fd = lock = -1;
    name.clear();
  }
};

bool createTemporary(const std::string& folder, const std::string& name, Temporary& t, int& err) {
#ifdef O_TMPFILE
  // An unnamed file is linked into the folder through /proc/self/fd: only
  // where that is there.
  static const bool canLink = ::access("/proc/self/fd", X_OK) == 0;
  t.fd = canLink ? ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666) : -1;
  if (t.fd >= 0) {
    t.lock = ::dup(t.fd);
    if (t.lock >= 0 && ::flock(t.lock, LOCK_EX) == 0) return true;
    err = errno;
    t.discard();
    return false;
  }
#endif
  // No unnamed files here: a hidden name, locked at once.  A concurrent
  // clean-up may unlink it between the creation and the lock; then the next
  // name is tried.
  for (int attempt = 0; attempt < 100; ++attempt) {
    t.name = folder + "/" + temporaryPrefix(name) + randomTag() + kTempSuffix;
    t.fd = ::open(t.name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (t.fd < 0) {
      err = errno;
      t.name.clear();
      if (err == EEXIST) continue;
      return false;
    }
    t.lock = ::dup(t.fd);
    struct stat st {};
    if (t.lock < 0 || ::flock(t.lock, LOCK_EX) != 0 || ::fstat(t.fd, &st) != 0) {
      err = errno;
      t.discard();
      return false;
    }
    if (st.st_nlink > 0) return true;
    t.name.clear();  // removed under us: try another name
    t.discard();
  }
  err = EEXIST;
  return false;
}

// Gives the unnamed temporary file a hidden name, so it can be renamed over
// the target.
bool nameTemporary(const std::string& folder, const std::string& name, Temporary& t, int& err) {
  const std::string self = "/proc/self/fd/" + std::to_string(t.lock);
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string candidate = folder + "/" + temporaryPrefix(name) + randomTag() + kTempSuffix;
    int r = ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, candidate.c_str(), AT_SYMLINK_FOLLOW);
#ifdef AT_EMPTY_PATH
    if (r != 0 && errno == ENOENT) r = ::linkat(t.lock, "", AT_FDCWD, candidate.c_str(), AT_EMPTY_PATH);
#endif
    if (r == 0) {
      t.name = candidate;
      return true;
    }
    err = errno;
    if (err != EEXIST) return false;
  }
  return false;
}

// May this process write the existing file?  The permission bits decide,
// for root too: a file made read-only (mode 444) is not saved over, as it
// would not be for its owner.
bool mayWrite(const std::string& target, const struct stat& st) {
  if (::geteuid() == 0) return (st.st_mode & 0222) != 0;
  return ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) == 0;
}

// Writes the whole content from the start of the file (a fresh temporary
// one, or the file itself when it is rewritten in place).
bool writeAll(int fd, const std::string& content, int& err) {
  const char* p = content.data();
  size_t left = content.size();
  off_t at = 0;
  while (left > 0) {
    ssize_t n = ::pwrite(fd, p, left, at);
    if (n < 0) {
      if (errno == EINTR) continue;
      err = errno;
      return false;
    }
    if (n == 0) {
      err = EIO;
      return false;
    }
    p += n;
    at += n;
    left -= static_cast<size_t>(n);
  }
  return true;
}

// Writes the whole new content over the existing file itself, for a file
// with several names (hard links: every name sees the new content) and for
// a file in a folder where no new file may be made.  The content is complete
// in memory before the file is touched; the room for it is claimed first
// (the file-size limit checked, the disk blocks reserved), so that a full
// disk or a limit fails the save while the file is still whole.  Should a
// write fail all the same, the old content is put back.
bool rewriteInPlace(const std::string& target, const struct stat& old, const std::string& content,
                    std::string& reason) {
  const int flags = O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
  int fd = ::open(target.c_str(), O_RDWR | flags);
  const bool readable = fd >= 0;
  if (fd < 0 && errno == EACCES) fd = ::open(target.c_str(), O_WRONLY | flags);
  if (fd < 0) {
    reason = systemError("cannot write", target, errno);
    return false;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_dev != old.st_dev ||
      st.st_ino != old.st_ino) {
    ::close(fd);
    reason = "cannot write " + target + ": the file was replaced while it was being saved";
    return false;
  }
  (void)::flock(fd, LOCK_EX);  // one in-place save of this file at a time
  int err = 0;
  std::string previous;
  if (readable) {
    previous.resize(static_cast<size_t>(st.st_size));
    size_t got = 0;
    while (got < previous.size()) {
      ssize_t n = ::pread(fd, previous.data() + got, previous.size() - got, static_cast<off_t>(got));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      got += static_cast<size_t>(n);
    }
    previous.resize(got);
  }
  struct rlimit limit {};
  if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
      content.size() > limit.rlim_cur) {
    err = EFBIG;
  } else if (content.size() > static_cast<size_t>(st.st_size) &&
             ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(content.size())) != 0 &&
             errno != EOPNOTSUPP && errno != ENOSYS) {
    err = errno;
  }
  if (err != 0) {
    ::close(fd);
    reason = systemError("cannot write", target, err);
    return false;
  }
  bool ok = writeAll(fd, content, err);
  if (ok && ::ftruncate(fd, static_cast<off_t>(content.size())) != 0) {
    err = errno;
    ok = false;
  }
  if (ok && ::fsync(fd) != 0) {
    err = errno;
    ok = false;
  }
  if (!ok) {
    int ignored = 0;
    const bool restored = readable && static_cast<off_t>(previous.size()) == st.st_size &&
                          writeAll(fd, previous, ignored) &&
                          ::ftruncate(fd, static_cast<off_t>(previous.size())) == 0 &&
                          ::fsync(fd) == 0;
    reason = systemError("cannot write", target, err) +
             (restored ? "" : "; the old content could not be put back");
  }
  if (::close(fd) != 0 && ok) {
    reason = systemError("cannot write", target, errno);
    ok = false;
  }
  return ok;
}

}  // namespace

bool replaceFileContent(const std::string& path, const std::string& content, std::string& reason) {
  reason.clear();
  if (path.empty()) {
    reason = "empty file name";
    return false;
  }
  std::string target;
  if (!resolveLinks(path, target, reason)) return false;

  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists && S_ISDIR(old.st_mode)) {
    reason = systemError("cannot replace", target, EISDIR);
    return false;
  }
  if (exists && !S_ISREG(old.st_mode)) {
    reason = "cannot replace " + target + ": not a regular file";
    return false;
  }
  if (exists && !mayWrite(target, old)) {
    reason = "cannot write " + target + ": the file is read-only";
    return false;
  }
  // A file with other names keeps them: all of them see the new content.
  if (exists && old.st_nlink > 1) return rewriteInPlace(target, old, content, reason);

  const std::string folder = folderOf(target);
  const std::string name = nameOf(target);
  removeStaleTemporaries(folder, name);

  Temporary tmp;
  int err = 0;
  if (!createTemporary(folder, name, tmp, err)) {
    // A file the user may write, in a folder where they may not make a new
    // one: saved in place.
    if (exists && (err == EACCES || err == EPERM)) return rewriteInPlace(target, old, content, reason);
    reason = systemError("cannot create a file in", folder, err);
    return false;
  }

  bool ok = true;
  if (exists) {
    // Owner and group first: changing them clears the set-user-ID bits that
    // the mode then puts back.  Who may not give a file away keeps at least
    // the group where it is one of theirs.
    if (::fchown(tmp.fd, old.st_uid, old.st_gid) != 0)
      (void)::fchown(tmp.fd, static_cast<uid_t>(-1), old.st_gid);
    if (::fchmod(tmp.fd, old.st_mode & 07777) != 0) {
      err = errno;
      ok = false;
    }
  }
  if (ok && !writeAll(tmp.fd, content, err)) ok = false;
  if (ok && ::fsync(tmp.fd) != 0) {
    err = errno;
    ok = false;
  }
  const int fd = tmp.fd;
  tmp.fd = -1;
  if (::close(fd) != 0 && ok) {
    err = errno;
    ok = false;
  }
  if (ok && tmp.name.empty()) {
    // A target that does not exist yet takes the unnamed file directly.
    const std::string self = "/proc/self/fd/" + std::to_string(tmp.lock);
    if (!exists &&
        ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, target.c_str(), AT_SYMLINK_FOLLOW) == 0) {
      ::close(tmp.lock);
      tmp.lock = -1;
    } else if (!nameTemporary(folder, name, tmp, err)) {
      ok = false;
    }
  }
  if (ok && !tmp.name.empty()) {
    if (::rename(tmp.name.c_str(), target.c_str()) == 0) {
      tmp.name.clear();
    } else {
      err = errno;
      ok = false;
      // Another user's file in a sticky folder (/tmp) may be written, not
      // replaced: saved in place.
      if (exists && (err == EPERM || err == EACCES)) {
        tmp.discard();
        return rewriteInPlace(target, old, content, reason);
      }
    }
  }
  tmp.discard();
  if (!ok) {
    reason = systemError("cannot write", target, err);
    return false;
  }

  // Make the new name itself durable; a folder that cannot be opened or
  // flushed does not undo a save that has already replaced the file.
  int dfd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dfd >= 0) {
    ::fsync(dfd);
    ::close(dfd);
  }
  return true;
}

bool readRegularFile(const std::string& path, std::size_t maxSize, std::string& content,
                     std::string& reason, std::time_t* modified, bool* tooLarge) {
  content.clear();
  reason.clear();
  if (tooLarge) *tooLarge = false;
  // O_NONBLOCK: opening a FIFO without a writer would wait forever.
  int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    reason = systemError("cannot open", path, errno);
    return false;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    reason = systemError("cannot examine", path, errno);
    ::close(fd);
    return false;
  }
  if (!S_ISREG(st.st_mode)) {
    reason = S_ISDIR(st.st_mode) ? systemError("cannot read", path, EISDIR)
                                 : "cannot read " + path + ": not a regular file";
    ::close(fd);
    return false;
  }
  // A regular file: O_NONBLOCK does not change how it reads (reads of a
  // regular file wait for the disk whatever the flag), so it may stay.
  if (st.st_size >= 0 && static_cast<std::uintmax_t>(st.st_size) <= maxSize)
    content.reserve(static_cast<size_t>(st.st_size));
  char buf[16384];
  for (;;) {
    ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0) {
      if (errno == EINTR) continue;
      reason = systemError("cannot read", path, errno);
      ::close(fd);
      content.clear();
      return false;
    }
    if (n == 0) break;
    content.append(buf, static_cast<size_t>(n));
    if (content.size() > maxSize) {
      reason = "cannot read " + path + ": larger than " + std::to_string(maxSize) + " bytes";
      if (tooLarge) *tooLarge = true;
      ::close(fd);
      content.clear();
      return false;
    }
  }
  ::close(fd);
  if (modified) *modified = st.st_mtime;
  return true;
}

}  // namespace dorvel

#include "files/atomic_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>

namespace dorvel {

namespace {

namespace fs = std::filesystem;

std::string systemError(const std::string& what, const std::string& path, int err) {
  return what + " " + path + ": " + std::strerror(err);
}

bool writeAll(int fd, const std::string& content, int& err) {
  const char* p = content.data();
  size_t left = content.size();
  while (left > 0) {
    ssize_t n = ::write(fd, p, left);
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
    left -= static_cast<size_t>(n);
  }
  return true;
}

// A name for the temporary file that no other save of this process or of
// another one is using: the target's name, the process id and a counter.
std::string temporaryName(const fs::path& target, unsigned attempt) {
  static std::atomic<unsigned> counter{0};
  unsigned n = counter.fetch_add(1);
  auto tick = static_cast<unsigned long long>(
      std::chrono::steady_clock::now().time_since_epoch().count());
  fs::path tmp = target;
  tmp += "." + std::to_string(::getpid()) + "-" + std::to_string(n) + "-" +
         std::to_string((tick + attempt) % 1000000ULL) + ".tmp";
  return tmp.string();
}

}  // namespace

bool replaceFileContent(const std::string& path, const std::string& content, std::string& reason) {
  reason.clear();
  if (path.empty()) {
    reason = "empty file name";
    return false;
  }
  fs::path target(path);
  std::error_code ec;
  if (fs::is_symlink(fs::symlink_status(target, ec))) {
    fs::path resolved = fs::weakly_canonical(target, ec);
    if (ec) {
      reason = systemError("cannot follow the link", path, ec.value());
      return false;
    }
    target = resolved;
  }

  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists && S_ISDIR(old.st_mode)) {
    reason = systemError("cannot replace", target.string(), EISDIR);
    return false;
  }

  std::string tmp;
  int fd = -1;
  for (unsigned attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    tmp = temporaryName(target, attempt);
    fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) {
    reason = systemError("cannot create", tmp, errno);
    return false;
  }

  int err = 0;
  bool ok = true;
  if (exists && ::fchmod(fd, old.st_mode & 07777) != 0) {
    err = errno;
    ok = false;
  }
  if (ok && !writeAll(fd, content, err)) ok = false;
  if (ok && ::fsync(fd) != 0) {
    err = errno;
    ok = false;
  }
  if (::close(fd) != 0 && ok) {
    err = errno;
    ok = false;
  }
  if (ok && ::rename(tmp.c_str(), target.c_str()) != 0) {
    err = errno;
    ok = false;
  }
  if (!ok) {
    ::unlink(tmp.c_str());
    reason = systemError("cannot write", target.string(), err);
    return false;
  }

  // Make the rename itself durable; a folder that cannot be opened or
  // flushed does not undo a save that has already replaced the file.
  fs::path dir = target.parent_path();
  if (dir.empty()) dir = ".";
  int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dfd >= 0) {
    ::fsync(dfd);
    ::close(dfd);
  }
  return true;
}

}  // namespace dorvel

#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <iostream>
#include <streambuf>
#include <string>
#include <vector>

#include "cli/cli.h"
#ifdef DORVEL_WITH_PAGE_OUTPUT
#include "cli/page_commands.h"
#endif

namespace {

// Standard output written straight to descriptor 1 through one buffer, with
// the first failed write remembered (a full disk, /dev/full, a file-size
// limit): the results of a script must never be cut short in silence.
class CheckedOutput : public std::streambuf {
 public:
  CheckedOutput() { setp(buffer_, buffer_ + sizeof buffer_); }

  // Writes what is buffered and closes descriptor 1 (a close can report a
  // deferred write error, e.g. on a network file system).  Zero, or the
  // error number of the first failure.
  int finish() {
    flushBuffer();
    if (::close(STDOUT_FILENO) != 0 && errno != EBADF && error_ == 0) error_ = errno;
    return error_;
  }

 protected:
  int_type overflow(int_type ch) override {
    flushBuffer();
    if (!traits_type::eq_int_type(ch, traits_type::eof())) {
      *pptr() = traits_type::to_char_type(ch);
      pbump(1);
    }
    return error_ == 0 ? traits_type::not_eof(ch) : traits_type::eof();
  }
  int sync() override {
    flushBuffer();
    return error_ == 0 ? 0 : -1;
  }

 private:
  void flushBuffer() {
    const char* p = pbase();
    std::size_t left = static_cast<std::size_t>(pptr() - pbase());
    while (left > 0 && error_ == 0) {
      const ssize_t n = ::write(STDOUT_FILENO, p, left);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        error_ = n < 0 ? errno : EIO;
        break;
      }
      p += n;
      left -= static_cast<std::size_t>(n);
    }
    setp(buffer_, buffer_ + sizeof buffer_);  // after a failure the rest is dropped
  }

  char buffer_[65536];
  int error_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  // A file-size limit (ulimit -f) met by a write is an error of that write
  // (EFBIG), reported like a full disk, instead of the signal that would kill
  // the program half way through a file.
  std::signal(SIGXFSZ, SIG_IGN);
  std::ios::sync_with_stdio(false);
#ifdef DORVEL_WITH_PAGE_OUTPUT
  dorvel::cli::setPageCommand(&dorvel::cli::pageCommand);
#endif
  std::vector<std::string> args(argv + 1, argv + argc);
  CheckedOutput stdoutBuffer;
  std::ostream out(&stdoutBuffer);
  int status = dorvel::cli::runCli(args, out, std::cerr);
  out.flush();
  if (const int error = stdoutBuffer.finish(); error != 0) {
    std::cerr << "dorvel-cli: write error: " << std::strerror(error) << '\n';
    status = dorvel::cli::kExitUsage;
  }
  return status;
}

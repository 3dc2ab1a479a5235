// A fresh folder under the system's temporary folder, removed at the end of
// the test.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

namespace dorvel::testing {

class TempDir {
 public:
  TempDir() {
    std::random_device rd;
    for (int i = 0; i < 100; ++i) {
      path_ = std::filesystem::temp_directory_path() /
              ("dorvel-test-" + std::to_string(rd()) + "-" + std::to_string(i));
      if (std::filesystem::create_directory(path_)) return;
    }
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  std::string file(const std::string& name) const { return (path_ / name).string(); }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

inline void writeBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

inline std::string readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace dorvel::testing

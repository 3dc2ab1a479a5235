#include "files/settings.h"

#include <cstdlib>
#include <filesystem>

#include "files/atomic_write.h"

namespace dorvel {

namespace {

namespace fs = std::filesystem;

std::string configFolder() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg && *xdg && fs::path(xdg).is_absolute()) return xdg;
  const char* home = std::getenv("HOME");
  if (home && *home) return (fs::path(home) / ".config").string();
  return {};
}

}  // namespace

std::string lastFileRecordPath() {
  std::string base = configFolder();
  if (base.empty()) return {};
  return (fs::path(base) / "Dorvel" / "Dorvel.ini").string();
}

bool rememberDataFile(const std::string& dataFile, Interaction& ui) {
  std::string record = lastFileRecordPath();
  if (record.empty()) return false;
  std::error_code ec;
  fs::path folder = fs::path(record).parent_path();
  if (!fs::is_directory(folder, ec)) {
    fs::create_directories(folder, ec);
    if (ec || !fs::is_directory(folder, ec)) return false;
  }
  std::string line = dataFile;
  for (char& ch : line)
    if (ch == '\r' || ch == '\n') ch = ' ';
  std::string reason;
  if (!replaceFileContent(record, line + "\r\n", reason)) {
    ui.showMessage({Msg::LastFileNotWritten, {record, reason}});
    return false;
  }
  return true;
}

std::string recallDataFile(Interaction& ui) {
  std::string record = lastFileRecordPath();
  if (record.empty()) return {};
  std::error_code ec;
  if (!fs::exists(record, ec)) return {};
  // The record holds one path; never wait on something that is no file.
  std::string text, reason;
  if (!readRegularFile(record, 1u << 16, text, reason)) {
    ui.showMessage({Msg::LastFileNotRead, {record}});
    return {};
  }
  std::string line = text.substr(0, text.find('\n'));
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

}  // namespace dorvel

// SPDX-License-Identifier: MIT
#include "gpsd/gpsd_loan_record.h"

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <system_error>

#include "common/whole_file.h"
#include "gpsd/gpsd_connection.h"

namespace vx {
namespace {

constexpr const char* kRecordPrefix = "gpsd-loan-";
constexpr off_t kRecordSizeLimit = 4096;

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

// The folder of the records, made private to the user when it is missing; empty when there is none.
std::string recordFolder() {
  std::string base = environment("XDG_RUNTIME_DIR");
  if (base.empty()) base = environment("RUNTIME_DIRECTORY");
  if (base.empty() && ::geteuid() == 0) base = "/run";
  if (base.empty() || base.front() != '/') return {};
  const std::string folder = base + "/kestrune";
  if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return {};
  struct stat status {};
  if (::lstat(folder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode) || status.st_uid != ::geteuid()) return {};
  return folder;
}

bool isRunning(pid_t pid) { return pid > 0 && (::kill(pid, 0) == 0 || errno == EPERM); }

// A record's text: the owner's pid, the device, the control socket, a line each.
std::string recordText(const std::string& device, const std::string& controlSocket) {
  return std::to_string(::getpid()) + '\n' + device + '\n' + controlSocket + '\n';
}

struct Record {
  pid_t owner = 0;
  StrandedLoan loan;
};

std::optional<Record> parseRecord(const std::string& text) {
  const std::size_t first = text.find('\n');
  const std::size_t second = first == std::string::npos ? first : text.find('\n', first + 1);
  const std::size_t third = second == std::string::npos ? second : text.find('\n', second + 1);
  if (third == std::string::npos || third + 1 != text.size()) return std::nullopt;
  Record record;
  const auto [end, error] = std::from_chars(text.data(), text.data() + first, record.owner);
  if (error != std::errc{} || end != text.data() + first) return std::nullopt;
  record.loan = {text.substr(first + 1, second - first - 1), text.substr(second + 1, third - second - 1)};
  if (!isSafeDevicePath(record.loan.device) || !isSafeDevicePath(record.loan.controlSocket)) return std::nullopt;
  return record;
}

}  // namespace

GpsdLoanRecord::GpsdLoanRecord(const std::string& device, const std::string& controlSocket) {
  static std::atomic<int> made{0};
  const std::string folder = recordFolder();
  if (folder.empty()) return;
  const std::string file = folder + '/' + kRecordPrefix + std::to_string(::getpid()) + '-' + std::to_string(made++);
  if (replaceWholeFile(file, recordText(device, controlSocket), 0600) == 0) file_ = file;
}

GpsdLoanRecord::~GpsdLoanRecord() {
  if (!file_.empty()) ::unlink(file_.c_str());
}

std::vector<StrandedLoan> takeStrandedLoans() {
  std::vector<StrandedLoan> stranded;
  const std::string folder = recordFolder();
  std::error_code error;
  if (folder.empty()) return stranded;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    if (!name.starts_with(kRecordPrefix) || name.find('.') != std::string::npos) continue;  // not a temporary one
    const std::optional<std::string> text = readRegularFile(entry.path().string(), kRecordSizeLimit, "").contents;
    const std::optional<Record> record = text ? parseRecord(*text) : std::nullopt;
    if (record && isRunning(record->owner)) continue;  // a loan still out, or given back as we looked
    if (record) stranded.push_back(record->loan);
    ::unlink(entry.path().c_str());
  }
  return stranded;
}

}  // namespace vx

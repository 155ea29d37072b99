// SPDX-License-Identifier: MIT
// Loans written down while they are out, so that a device a killed program
// (SIGKILL, a crash, a power cut of the session) could not give back to
// gpsd is noticed by the next run of either program. One small file per
// loan, in the user's runtime folder: $XDG_RUNTIME_DIR/kestrune, else
// systemd's $RUNTIME_DIRECTORY, else /run/kestrune for root. No Qt.
#pragma once

#include <string>
#include <vector>

namespace vx {

// The record of one loan of this process; removed when destroyed (the
// loan given back, or given up with word to the user).
class GpsdLoanRecord {
 public:
  // Writes the record of `device`, taken from gpsd at `controlSocket`. Where
  // no runtime folder can be had, nothing is written: the loan is then only
  // as safe as the program's own ending.
  GpsdLoanRecord(const std::string& device, const std::string& controlSocket);
  ~GpsdLoanRecord();
  GpsdLoanRecord(const GpsdLoanRecord&) = delete;
  GpsdLoanRecord& operator=(const GpsdLoanRecord&) = delete;

  const std::string& file() const { return file_; }  // empty when none was written

 private:
  std::string file_;
};

struct StrandedLoan {
  std::string device;
  std::string controlSocket;
};

// The loans recorded by programs that have ended without giving them back;
// their records are removed as they are read. Records that are not ours
// to read (not regular files, too large, not as written) are removed too.
std::vector<StrandedLoan> takeStrandedLoans();

}  // namespace vx

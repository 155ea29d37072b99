// SPDX-License-Identifier: MIT
#include "common/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace vx {
namespace {

FileRead unreadable(int error, std::string problem = {}) {
  return {{}, error, problem.empty() ? std::strerror(error) : std::move(problem)};
}

std::string readAll(int fd, off_t size, int& error) {
  std::string contents(static_cast<std::size_t>(size), '\0');
  std::size_t done = 0;
  while (done < contents.size()) {
    const ssize_t n = ::read(fd, contents.data() + done, contents.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) error = errno;
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  contents.resize(done);  // a file that shrank meanwhile
  return contents;
}

FileRead readOpen(int fd, off_t largest, const std::string& tooLarge) {
  struct stat status {};
  if (::fstat(fd, &status) != 0) return unreadable(errno);
  if (S_ISDIR(status.st_mode)) return unreadable(EISDIR, "it is a folder, not a file");
  if (!S_ISREG(status.st_mode)) return unreadable(ENODEV, "it is a device or a pipe, not a file");
  if (status.st_size > largest) return unreadable(EFBIG, tooLarge);
  int error = 0;
  std::string contents = readAll(fd, status.st_size, error);
  if (error != 0) return unreadable(error);
  return {std::move(contents), 0, {}};
}

int writeAll(int fd, const std::string& contents) {
  for (std::size_t done = 0; done < contents.size();) {
    const ssize_t n = ::write(fd, contents.data() + done, contents.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    done += static_cast<std::size_t>(n);
  }
  return 0;
}

std::string folderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The rename itself survives a power cut once the folder is on disk too.
void syncFolderOf(const std::string& path) {
  if (const int folder = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); folder >= 0) {
    ::fsync(folder);
    ::close(folder);
  }
}

}  // namespace

FileRead readRegularFile(const std::string& path, off_t largest, const std::string& tooLarge) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return errno == ENOENT ? FileRead{{}, ENOENT, {}} : unreadable(errno);
  FileRead read = readOpen(fd, largest, tooLarge);
  ::close(fd);
  return read;
}

int replaceWholeFile(const std::string& target, const std::string& contents, mode_t mode) {
  std::string temporary = target + ".XXXXXX";
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) return errno;
  int error = ::fchmod(fd, mode) == 0 ? 0 : errno;
  if (error == 0) error = writeAll(fd, contents);
  if (error == 0 && ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temporary.c_str());
    return error;
  }
  syncFolderOf(target);
  return 0;
}

}  // namespace vx

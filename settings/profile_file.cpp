// SPDX-License-Identifier: MIT
#include "settings/profile_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "common/config_folder.h"
#include "common/whole_file.h"

namespace kestrune {
namespace {

// Links followed before a chain counts as a loop, as the kernel counts.
constexpr int kMostLinksFollowed = 40;

std::string folderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

bool isFolder(const std::string& path) {
  struct stat status {};
  return ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

ProfileFile unusable(ProfileFile file, int error, std::string problem) {
  file.contents.reset();
  file.error = error;
  file.problem = problem.empty() ? std::strerror(error) : std::move(problem);
  return file;
}

// Follows `path` through its links to the file they lead to, which need not
// exist. Empty when the chain loops; `path` itself when it is no link.
std::string linkTarget(std::string path) {
  for (int followed = 0; followed < kMostLinksFollowed; ++followed) {
    char target[PATH_MAX];
    const ssize_t length = ::readlink(path.c_str(), target, sizeof target);
    if (length < 0) return path;  // not a link (or not there)
    const std::string next(target, static_cast<std::size_t>(length));
    path = next.starts_with('/') ? next : folderOf(path) + "/" + next;
  }
  return {};
}

// The file itself, `file.target`, read as readRegularFile reads.
ProfileFile readTarget(ProfileFile file) {
  const std::string limit = std::to_string(kLargestProfileFileMiB) + " MiB";
  vx::FileRead read =
      vx::readRegularFile(file.target, kLargestProfileFile, "it is larger than " + limit + ", far more than settings take");
  if (read.error == ENOENT) return file;
  if (!read.contents) return unusable(std::move(file), read.error, read.problem);
  file.contents = std::move(read.contents);
  // A rename would replace it whatever its mode says: the user's "read-only" is kept by not writing.
  struct stat status {};
  if ((::stat(file.target.c_str(), &status) == 0 && (status.st_mode & 0222) == 0) ||
      ::faccessat(AT_FDCWD, file.target.c_str(), W_OK, AT_EACCESS) != 0) {
    file.error = EACCES;
    file.problem = "it is read-only";
  }
  return file;
}

bool makeFolders(const std::string& folder) {
  for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
    const std::string prefix = folder.substr(0, slash);
    if (::mkdir(prefix.c_str(), 0700) != 0 && errno != EEXIST) return false;
    if (slash == std::string::npos) return true;
  }
}

// The mode the new file gets: the replaced file's, else what a new file gets.
mode_t modeFor(const std::string& target) {
  struct stat existing {};
  if (::stat(target.c_str(), &existing) == 0) return existing.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

std::string profilePath(const std::string& fileName) {
  if (fileName.find('/') != std::string::npos) return fileName;
  return vx::configFolder() + "/" + fileName;
}

ProfileFile findProfileFile(const std::string& path) {
  ProfileFile file;
  file.contents.emplace();
  file.target = linkTarget(path);
  if (file.target.empty()) {
    file.target = path;
    return unusable(std::move(file), ELOOP, {});
  }
  // A link is written through only where its target can live: a target on
  // a drive that is not mounted stays the user's link, untouched.
  if (file.target != path) {
    const std::string folder = folderOf(file.target);
    if (!isFolder(folder)) {
      return unusable(std::move(file), ENOENT, "it links to " + file.target + ", whose folder " + folder +
                                                   " does not exist");
    }
    if (char resolved[PATH_MAX]; ::realpath(folder.c_str(), resolved) != nullptr) {
      file.target = std::string(resolved) + "/" + file.target.substr(file.target.rfind('/') + 1);
    }
  }
  return readTarget(std::move(file));
}

int replaceProfileFile(const std::string& target, const std::string& contents) {
  if (!makeFolders(folderOf(target))) return errno;
  return vx::replaceWholeFile(target, contents, modeFor(target));
}

}  // namespace kestrune

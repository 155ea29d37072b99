// SPDX-License-Identifier: MIT
#include "common/resolved_path.h"

#include <filesystem>
#include <system_error>

namespace vx {

std::string resolvedPath(const std::string& path) {
  std::error_code error;
  const std::filesystem::path target = std::filesystem::canonical(path, error);
  return error ? path : target.string();
}

}  // namespace vx

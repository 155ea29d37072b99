// SPDX-License-Identifier: MIT
// The number of the vx::Error a call raises, or 0 when it raises none.
#pragma once

#include <string>

#include "control/error/vx_error.h"

namespace vx::test {

template <typename Call>
int errorNumberOf(Call&& call) {
  try {
    call();
  } catch (const Error& error) {
    return error.number();
  }
  return 0;
}

template <typename Call>
std::string errorDescriptionOf(Call&& call) {
  try {
    call();
  } catch (const Error& error) {
    return error.description();
  }
  return {};
}

}  // namespace vx::test

// SPDX-License-Identifier: MIT
#include "control/core/codecs.h"

#include <cmath>
#include <cstdint>

#include "control/error/vx_error.h"

namespace vx::codec {
namespace {

// Reads `width` little-endian bytes as an unsigned value, after checking
// that the text holds them.
uint64_t readUnsigned(std::string_view mys, std::size_t width) {
  if (mys.size() < width) {
    throw Error::standard(kInvalidProcedureCall);
  }
  uint64_t value = 0;
  for (std::size_t i = width; i-- > 0;) {
    value = (value << 8) | static_cast<unsigned char>(mys[i]);
  }
  return value;
}

// The two's complement reading of a `width`-byte field: the sign is the top
// bit of the most significant byte.
double readSigned(std::string_view mys, std::size_t width) {
  const uint64_t value = readUnsigned(mys, width);
  const uint64_t range = uint64_t{1} << (8 * width);
  const bool negative = static_cast<unsigned char>(mys[width - 1]) > 127;
  return negative ? -static_cast<double>(range - value) : static_cast<double>(value);
}

double finiteOrOverflow(double result) {
  if (!std::isfinite(result)) throw Error::standard(kOverflow);
  return result;
}

}  // namespace

double cvui(std::string_view mys) { return static_cast<double>(readUnsigned(mys, 2)); }
double cvi(std::string_view mys) { return readSigned(mys, 2); }
double cvudi(std::string_view mys) { return static_cast<double>(readUnsigned(mys, 4)); }
double cvdi(std::string_view mys) { return readSigned(mys, 4); }
double cvti(std::string_view mys) { return readSigned(mys, 6); }

double crad(double degree) { return finiteOrOverflow((degree / 180.0) * kPi); }
double cdeg(double rads) { return finiteOrOverflow((rads / kPi) * 180.0); }
double cfeet(double meters) { return finiteOrOverflow(meters * 3.28083333333); }

}  // namespace vx::codec

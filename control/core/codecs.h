// SPDX-License-Identifier: MIT
// Field codecs of the receiver's binary messages and the angle and length
// conversions. Byte text is a std::string_view whose chars carry one byte
// each; fields are little-endian, and only the leading bytes a codec needs
// are read, so a longer text is accepted and its tail ignored.
//
// A text shorter than a codec needs raises Error kInvalidProcedureCall; a
// conversion whose result is not a finite double raises Error kOverflow.
#pragma once

#include <string_view>

namespace vx::codec {

// Pi cut after the tenth decimal, as the receiver family's software uses it.
// Both angle conversions share it, so degrees survive a round trip.
inline constexpr double kPi = 3.1415926535;

double cvi(std::string_view mys);    // signed 16-bit
double cvui(std::string_view mys);   // unsigned 16-bit
double cvdi(std::string_view mys);   // signed 32-bit
double cvudi(std::string_view mys);  // unsigned 32-bit
double cvti(std::string_view mys);   // signed 48-bit (two's complement)

double crad(double degree);  // degrees to radians
double cdeg(double rads);    // radians to degrees
double cfeet(double meters);

}  // namespace vx::codec

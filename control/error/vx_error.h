// SPDX-License-Identifier: MIT
// Errors raised by the control and its core: a number that hosts compare,
// a description for people and the source that raised it.
#pragma once

#include <stdexcept>
#include <string>

#include "translatable.h"

namespace vx {

// The numbers hosts know from the component runtime, plus the serial port's.
enum ErrorNumber : int {
  kInvalidProcedureCall = 5,  // a field text too short for a decoding method
  kOverflow = 6,              // a floating-point result out of range
  kTypeMismatch = 13,         // a text that is not a number where one is needed
  kPortCannotOpen = 8012,     // the serial device cannot be opened
  kPortNotOpen = 8018,        // an operation that needs an open port
  kPortNumberInvalid = 380,   // a port number below 1
  kPortIoFailed = 8020,       // reading or writing the open device failed
  kPortAlreadyOpen = 8005,    // changing the port number of an open port
  kObjectNotSet = 91,         // the object a host drove no longer exists
  kCannotCreateObject = 429,  // no installed control library holds the class
  kNotAutomationObject = 430, // the object has no late-binding interface
  kNotSupported = 438,        // the object has no such property or method
  kReadOnlyProperty = 383,    // writing a read-only property
  kWriteOnlyProperty = 394,   // reading a write-only property
  kWrongArgumentCount = 450,  // a wrong number of arguments
};

inline constexpr const char* kControlSource = "vx.vxcomm";

// The runtime's own descriptions of the failures that carry no detail of
// their own: one home for each text, translated where it is shown.
constexpr const char* standardDescription(ErrorNumber number) {
  switch (number) {
    case kInvalidProcedureCall: return QT_TRANSLATE_NOOP("vx", "Invalid procedure call or argument");
    case kOverflow: return QT_TRANSLATE_NOOP("vx", "Overflow");
    case kTypeMismatch: return QT_TRANSLATE_NOOP("vx", "Type mismatch");
    case kNotAutomationObject: return QT_TRANSLATE_NOOP("vx", "Class does not support Automation");
    case kNotSupported: return QT_TRANSLATE_NOOP("vx", "Object doesn't support this property or method");
    case kWrongArgumentCount:
      return QT_TRANSLATE_NOOP("vx", "Wrong number of arguments or invalid property assignment");
    case kReadOnlyProperty: return QT_TRANSLATE_NOOP("vx", "Property is read-only");
    case kWriteOnlyProperty: return QT_TRANSLATE_NOOP("vx", "Property is write-only");
    default: return "";
  }
}

class Error : public std::runtime_error {
 public:
  Error(int number, std::string description, std::string source = kControlSource)
      : std::runtime_error(description),
        number_(number),
        description_(std::move(description)),
        source_(std::move(source)) {}

  // A failure described by the runtime's own text for its number.
  static Error standard(ErrorNumber number, std::string source = kControlSource) {
    return Error(number, standardDescription(number), std::move(source));
  }

  int number() const noexcept { return number_; }
  const std::string& description() const noexcept { return description_; }
  const std::string& source() const noexcept { return source_; }

 private:
  int number_;
  std::string description_;
  std::string source_;
};

}  // namespace vx

// SPDX-License-Identifier: MIT
// The facts of the control's type library: the fixed identifiers, the
// members of the dispatch interface _vxcomm in slot order with their
// dispatch ids, and what a design environment shows of them.
//
// The identifiers were chosen once and never change: hosts bind to the
// control by the class id of vxcomm and the interface ids of _vxcomm and
// __vxcomm. The plugin metadata (vx.json) is generated from this header.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace vx::typelib {

inline constexpr std::string_view kLibraryId = "{D1947AC1-8D8E-4B66-993B-A5AFB4902080}";
inline constexpr std::string_view kVxcommClassId = "{C1DF0D83-D44C-4D49-8607-5BBF7AF12B95}";
inline constexpr std::string_view kVxppClassId = "{CCE95CC8-A076-434E-A4D6-7CAC2EECDDE7}";
inline constexpr std::string_view kVxcommInterfaceId = "{47A756C4-886A-41AB-A3BA-6E14E995E2DF}";
inline constexpr std::string_view kVxcommEventsId = "{0464698F-4E16-4190-AC70-3C008EC0110D}";
inline constexpr std::string_view kVxppInterfaceId = "{A039CFFC-C7D5-46E9-9221-943D8BBBB8EF}";

inline constexpr std::string_view kProgId = "vx.vxcomm";
inline constexpr std::string_view kLibraryName = "vx";
inline constexpr std::string_view kLibraryHelp = "vx";
inline constexpr int kLibraryVersionMajor = 1;
inline constexpr int kLibraryVersionMinor = 0;
inline constexpr int kLibraryLocale = 0x0409;  // English, United States
inline constexpr std::string_view kPropertyPage = "vxpp";

enum class MemberKind { kMethod, kProperty };
enum Access : unsigned { kNone = 0, kRead = 1, kWrite = 2, kReadWrite = 3 };

struct Member {
  std::string_view name;
  int32_t dispatchId;
  MemberKind kind;
  unsigned access;             // properties only
  std::string_view parameter;  // the method's or the write accessor's parameter
  std::string_view type;       // result, or the property's type
  bool hidden = false;
  bool bindable = false;
  std::string_view helpString = {};
  std::string_view attribute = {};  // "vxpp;Data": edited on the property page, category Data
};

// The members of _vxcomm in slot order.
std::span<const Member> members();
const Member* findMember(int32_t dispatchId);
const Member* findMember(std::string_view name);  // case does not count, as in the runtime

}  // namespace vx::typelib

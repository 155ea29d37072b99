// SPDX-License-Identifier: MIT
// The text of an INI file, looked up and edited the way a
// person edits it by hand: a change touches one line or adds one, and every
// other section, key, comment and blank line stays byte for byte.
//
// Section and key names compare without regard to ASCII case; values are
// byte text, trimmed of blanks around them. Lines may end in LF, CR LF or a
// lone CR; an edit keeps the text's ending (its first line's) and a UTF-8
// byte-order mark at its start. No file work here: profile_file.h does it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrune {

class ProfileText {
 public:
  explicit ProfileText(std::string_view contents);

  // The trimmed value of `key` in `section`; nothing when either is absent.
  std::optional<std::string> value(std::string_view section, std::string_view key) const;

  // Sets `key` in `section` to `value`, adding the section at the end and
  // the key behind the keys already in its section as needed; a key already
  // there keeps its spelling. The entry must fit its line (fitsOneLine).
  void set(std::string_view section, std::string_view key, std::string_view value);

  // False where a name or the value would break the text's lines: a line
  // break, an empty key, a key with "=" or starting with "[" or ";", a
  // section with "]".
  static bool fitsOneLine(std::string_view section, std::string_view key, std::string_view value);

  std::string text() const;

 private:
  // Adds a line before line `at`, ending the line before it first if it had no ending.
  void insertLine(std::size_t at, std::string text);

  std::string byteOrderMark_;
  std::vector<std::string> lines_;  // each with its line ending, as it stands
  std::string newline_ = "\n";
};

}  // namespace kestrune

// SPDX-License-Identifier: MIT
#include "common/translated_text.h"

namespace vx {

std::string translatedText(const char* source, const Translator& translator) {
  return translator ? translator(source) : std::string(source);
}

std::string filledIn(std::string_view sentence, std::initializer_list<std::string_view> values) {
  std::string text;
  for (std::size_t at = 0; at < sentence.size(); ++at) {
    const std::size_t index = at + 1 < sentence.size() && sentence[at] == '%' ? sentence[at + 1] - '1' : values.size();
    if (index < values.size()) {
      text += values.begin()[index];
      ++at;
    } else {
      text += sentence[at];
    }
  }
  return text;
}

}  // namespace vx

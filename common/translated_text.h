// SPDX-License-Identifier: MIT
// The texts of the parts free of Qt, in the user's language where a program
// has one: marked with QT_TRANSLATE_NOOP("vx", ...) (translatable.h) as
// whole sentences with %1, %2, ... for what is filled in, translated by the
// Translator the program passes (none: English), then filled in.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

namespace vx {

// A program's own words for a marked English text.
using Translator = std::function<std::string(const char* source)>;

// `source` in the translator's words; as it is without one.
std::string translatedText(const char* source, const Translator& translator);

// `sentence` with each %1 replaced by values[0], %2 by values[1], ...;
// a placeholder may come more than once, in any order. Filled-in values
// are never read for placeholders again.
std::string filledIn(std::string_view sentence, std::initializer_list<std::string_view> values);

}  // namespace vx

// SPDX-License-Identifier: MIT
// GoogleTest printers for Qt types, so failures show texts, not bytes.
#pragma once

#include <QString>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

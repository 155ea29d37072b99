// SPDX-License-Identifier: MIT
// The translator the Qt side (the control, the program) hands the parts
// free of Qt: the installed catalogues' words in the context "vx". Header
// only, so that vxcommon links no Qt.
#pragma once

#include <QCoreApplication>

#include "common/translated_text.h"

namespace vx {

inline Translator qtTranslator() {
  return [](const char* source) { return QCoreApplication::translate("vx", source).toStdString(); };
}

}  // namespace vx

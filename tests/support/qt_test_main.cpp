// SPDX-License-Identifier: MIT
// GoogleTest main for tests that need a Qt application (widgets offscreen).
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QCoreApplication::addLibraryPath(KESTRUNE_PLUGIN_DIR);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

// SPDX-License-Identifier: MIT
// Creating a control by its programmatic identifier ("vx.vxcomm") or its
// class id, as a host that does not link the control library does: the
// plugin that names the class in its metadata is found in the "vx" folder
// beside the program's own (build tree or installed prefix), then in that
// of each path where Qt looks for plugins (QT_PLUGIN_PATH included), and
// loaded with QPluginLoader. No environment variable is needed.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <memory>

namespace vx {

// A new control, the caller's to own (a window that takes it as a child
// takes it with release()). Fails with vx::Error 429, naming the identifier
// and the folders searched, when no library there holds it.
std::unique_ptr<QWidget> createControl(const QString& id);

// The folders searched, in order.
QStringList controlLibraryFolders();

}  // namespace vx

// Creating a control by its programmatic identifier ("vx.vxcomm") or its
// class id, as a host that does not link the control library does: the
// plugin that names the class in its metadata is found where Qt looks for
// plugins (QCoreApplication::libraryPaths(), QT_PLUGIN_PATH included), in
// their "vx" subfolders, and loaded with QPluginLoader.
#pragma once

#include <QString>
#include <QWidget>

namespace vx {

// A new control, owned by `parent`. Fails with vx::Error 429 when no
// installed library holds the class.
QWidget* createControl(const QString& id, QWidget* parent = nullptr);

}  // namespace vx

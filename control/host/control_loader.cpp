// SPDX-License-Identifier: MIT
#include "control/host/control_loader.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QPluginLoader>

#include "control/error/vx_error.h"
#include "control/host/control_factory.h"

namespace vx {
namespace {

bool namesClass(const QJsonObject& metaData, const QString& id) {
  if (metaData.value("IID").toString() != VX_CONTROL_FACTORY_IID) return false;
  const QJsonArray classes = metaData.value("MetaData").toObject().value("Classes").toArray();
  for (const QJsonValue& entry : classes) {
    const QJsonObject cls = entry.toObject();
    if (cls.value("progId").toString().compare(id, Qt::CaseInsensitive) == 0 ||
        cls.value("classId").toString().compare(id, Qt::CaseInsensitive) == 0) {
      return true;
    }
  }
  return false;
}

ControlFactory* factoryIn(const QString& folderPath, const QString& id) {
  const QDir folder(folderPath);
  for (const QString& file : folder.entryList(QDir::Files)) {
    QPluginLoader loader(folder.absoluteFilePath(file));
    if (!namesClass(loader.metaData(), id)) continue;
    // The library stays loaded: controls made from it may live anywhere.
    if (auto* factory = qobject_cast<ControlFactory*>(loader.instance())) return factory;
  }
  return nullptr;
}

}  // namespace

QStringList controlLibraryFolders() {
  QStringList folders;
  // Beside the program first, so that a build tree or a prefix uses its own library.
  const QDir programFolder(QCoreApplication::applicationDirPath());
  for (const char* relative : {VX_PLUGINS_FROM_BUILD_TREE, VX_PLUGINS_FROM_INSTALLED_PROGRAM}) {
    folders << QDir::cleanPath(programFolder.absoluteFilePath(QString(relative) + "/vx"));
  }
  for (const QString& path : QCoreApplication::libraryPaths()) folders << QDir::cleanPath(path + "/vx");
  folders.removeDuplicates();
  return folders;
}

std::unique_ptr<QWidget> createControl(const QString& id) {
  const QStringList folders = controlLibraryFolders();
  for (const QString& folder : folders) {
    ControlFactory* factory = factoryIn(folder, id);
    if (factory == nullptr) continue;
    if (std::unique_ptr<QWidget> control = factory->createControl(id)) return control;
  }
  throw Error(kCannotCreateObject,
              QCoreApplication::translate("vx", "cannot create \"%1\": no control library holding it was found in %2")
                  .arg(id, folders.join(", "))
                  .toStdString(),
              "vx");
}

}  // namespace vx

#include "control_loader.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QPluginLoader>

#include "control_factory.h"
#include "vx_error.h"

namespace vx {
namespace {

constexpr int kCannotCreateObject = 429;

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

ControlFactory* factoryFor(const QString& id) {
  for (const QString& path : QCoreApplication::libraryPaths()) {
    const QDir folder(path + "/vx");
    for (const QString& file : folder.entryList(QDir::Files)) {
      QPluginLoader loader(folder.absoluteFilePath(file));
      if (!namesClass(loader.metaData(), id)) continue;
      // The library stays loaded: controls made from it may live anywhere.
      if (auto* factory = qobject_cast<ControlFactory*>(loader.instance())) return factory;
    }
  }
  return nullptr;
}

}  // namespace

QWidget* createControl(const QString& id, QWidget* parent) {
  ControlFactory* factory = factoryFor(id);
  QWidget* control = factory != nullptr ? factory->createControl(id, parent) : nullptr;
  if (control == nullptr) {
    throw Error(kCannotCreateObject,
                "ActiveX component can't create object: no installed control library holds \"" + id.toStdString() +
                    "\" (looked in the vx folder of each Qt plugin path)",
                "vx");
  }
  return control;
}

}  // namespace vx

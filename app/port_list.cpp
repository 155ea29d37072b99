// SPDX-License-Identifier: MIT
#include "app/port_list.h"

#include <QAbstractItemView>
#include <QStyledItemDelegate>

#include "control/host/qt_translator.h"
#include "serial/serial_devices.h"

namespace kestrune {
namespace {

// Draws an entry as its description where it has one; its text stays the port number.
class DescribedEntry : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    const QString description = index.data(Qt::ToolTipRole).toString();
    if (!description.isEmpty()) option->text = description;
  }
};

}  // namespace

PortList::PortList(QWidget* parent) : QComboBox(parent) {
  view()->setItemDelegate(new DescribedEntry(view()));
  connect(this, &QComboBox::currentIndexChanged, this, &PortList::describeChoice);
}

void PortList::fill() {
  for (int port = 1; port <= vx::kListedPorts; ++port) addItem(QString::number(port));
  describeEntries();
}

void PortList::showPopup() {
  describeEntries();
  QComboBox::showPopup();
}

void PortList::describeEntries() {
  const vx::SerialAdapters adapters = vx::usbSerialAdapters();
  for (int entry = 0; entry < count(); ++entry) {
    const QString description =
        QString::fromStdString(vx::describePort(itemText(entry).toInt(), adapters, vx::qtTranslator()));
    setItemData(entry, description, Qt::ToolTipRole);
    setItemData(entry, description, Qt::AccessibleTextRole);
  }
  describeChoice();
  view()->setMinimumWidth(view()->sizeHintForColumn(0) + 8);  // the descriptions are wider than the list
}

void PortList::describeChoice() {
  const QString device = currentData(Qt::ToolTipRole).toString();
  setAccessibleDescription(device.isEmpty() ? QString() : device + '\n' + toolTip());
}

}  // namespace kestrune

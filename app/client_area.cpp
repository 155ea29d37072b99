// SPDX-License-Identifier: MIT
#include "app/client_area.h"

#include <QAccessibleWidget>
#include <QChildEvent>

#include "app/accessible_as.h"

namespace kestrune {
namespace {

// The client area as assistive technology sees it: its children in the order placed.
class PlacedOrder : public QAccessibleWidget {
 public:
  explicit PlacedOrder(ClientArea* area) : QAccessibleWidget(area, QAccessible::Client) {}

  int childCount() const override { return static_cast<int>(controls().size()); }
  QAccessibleInterface* child(int index) const override {
    const QList<QWidget*> order = controls();
    return index >= 0 && index < order.size() ? QAccessible::queryAccessibleInterface(order.at(index)) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child != nullptr ? static_cast<int>(controls().indexOf(qobject_cast<QWidget*>(child->object()))) : -1;
  }

 private:
  QList<QWidget*> controls() const { return static_cast<ClientArea*>(widget())->placedControls(); }
};

}  // namespace

ClientArea::ClientArea(QWidget* parent) : QWidget(parent) {
  accessibleAs<ClientArea, PlacedOrder>();
}

QList<QWidget*> ClientArea::placedControls() const {
  QList<QWidget*> controls;
  for (QObject* child : placed_) {
    if (auto* control = qobject_cast<QWidget*>(child); control != nullptr && !control->isWindow()) controls << control;
  }
  return controls;
}

void ClientArea::childEvent(QChildEvent* event) {
  if (event->added() && !placed_.contains(event->child())) placed_ << event->child();
  if (event->removed()) placed_.removeAll(event->child());
  QWidget::childEvent(event);
}

}  // namespace kestrune

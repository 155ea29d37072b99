// SPDX-License-Identifier: MIT
#include "app/announcer.h"

#include <QAccessibleWidget>

#include "app/accessible_as.h"

namespace kestrune {
namespace {

// A notification to assistive technology: it is spoken each time it shows.
class Notification : public QAccessibleWidget {
 public:
  explicit Notification(Announcer* announcer) : QAccessibleWidget(announcer, QAccessible::Notification) {}
};

}  // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
  accessibleAs<Announcer, Notification>();
  setFixedSize(0, 0);
  hide();
}

void Announcer::announce(const QString& text) {
  setAccessibleName(text);
  // Appearing is what is announced: an earlier notice goes first.
  hide();
  show();
}

}  // namespace kestrune

// SPDX-License-Identifier: MIT
#include "app/focus_hints.h"

#include <QComboBox>
#include <QEvent>
#include <QTimer>
#include <QToolTip>
#include <QWidget>
#include <limits>

namespace kestrune {
namespace {

void showHint(QWidget* field) {
  // Below the field, as long as it keeps the focus. Once the focus has
  // settled: a tooltip hides at any focus or activation event after it.
  QTimer::singleShot(0, field, [field] {
    if (field->hasFocus())
      QToolTip::showText(field->mapToGlobal(QPoint(0, field->height())), hintOf(field), field, QRect(),
                         std::numeric_limits<int>::max());
  });
}

}  // namespace

QString hintOf(const QWidget* field) {
  return field->accessibleDescription().isEmpty() ? field->toolTip() : field->accessibleDescription();
}

void FocusHints::add(QWidget* field) {
  field->installEventFilter(this);
  // A list's hint may name the chosen entry: a choice with the arrow keys shows it anew.
  if (auto* list = qobject_cast<QComboBox*>(field)) {
    connect(list, &QComboBox::currentIndexChanged, this, [list] {
      if (list->hasFocus()) showHint(list);
    });
  }
}

bool FocusHints::eventFilter(QObject* watched, QEvent* event) {
  auto* field = static_cast<QWidget*>(watched);
  switch (event->type()) {
    case QEvent::FocusIn: showHint(field); break;
    case QEvent::ToolTipChange:
      if (field->hasFocus()) showHint(field);
      break;
    case QEvent::FocusOut:
    case QEvent::Hide: QToolTip::hideText(); break;
    default: break;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace kestrune

// SPDX-License-Identifier: MIT
#include "captioned_value.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace kestrune {
namespace {

class ReadWithCaption : public QAccessibleWidget {
 public:
  explicit ReadWithCaption(CaptionedValue* value) : QAccessibleWidget(value, QAccessible::StaticText) {}

  QString text(QAccessible::Text kind) const override {
    if (kind != QAccessible::Name) return QAccessibleWidget::text(kind);
    const auto* value = static_cast<CaptionedValue*>(widget());
    return captionedText(value->caption(), value);
  }
};

QAccessibleInterface* readWithCaptionFor(const QString& className, QObject* object) {
  if (className != QLatin1String(CaptionedValue::staticMetaObject.className())) return nullptr;
  return new ReadWithCaption(static_cast<CaptionedValue*>(object));
}

}  // namespace

QString captionedText(const QLabel* caption, const QLabel* value) {
  return caption->text().trimmed() + ' ' + value->text();
}

CaptionedValue::CaptionedValue(QLabel* caption, QWidget* parent) : QLabel(parent), caption_(caption) {
  static const bool installed = (QAccessible::installFactory(readWithCaptionFor), true);
  Q_UNUSED(installed);
}

}  // namespace kestrune

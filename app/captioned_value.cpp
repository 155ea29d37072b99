// SPDX-License-Identifier: MIT
#include "app/captioned_value.h"

#include <QAccessibleWidget>

#include "app/accessible_as.h"

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

}  // namespace

QString captionedText(const QLabel* caption, const QLabel* value) {
  return caption->text().trimmed() + ' ' + value->text();
}

CaptionedValue::CaptionedValue(QLabel* caption, QWidget* parent) : QLabel(parent), caption_(caption) {
  accessibleAs<CaptionedValue, ReadWithCaption>();
}

}  // namespace kestrune

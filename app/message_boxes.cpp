// SPDX-License-Identifier: MIT
#include "app/message_boxes.h"

#include <QMessageBox>

namespace kestrune {
namespace {

class ModalMessageBoxes : public MessageBoxes {
 public:
  void show(QWidget* owner, const Message& message) override {
    QMessageBox box(iconOf(message.icon), message.title, message.text, QMessageBox::Ok, owner);
    box.exec();
  }

  bool ask(QWidget* owner, const Message& message) override {
    QMessageBox box(iconOf(message.icon), message.title, message.text, QMessageBox::Yes | QMessageBox::No, owner);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
  }

 private:
  static QMessageBox::Icon iconOf(MessageIcon icon) {
    switch (icon) {
      case MessageIcon::kWarning: return QMessageBox::Warning;
      case MessageIcon::kError: return QMessageBox::Critical;
      case MessageIcon::kQuestion: return QMessageBox::Question;
      case MessageIcon::kNone: break;
    }
    return QMessageBox::NoIcon;
  }
};

ModalMessageBoxes modal;
MessageBoxes* current = &modal;

}  // namespace

MessageBoxes& messageBoxes() { return *current; }

void setMessageBoxes(MessageBoxes* service) { current = service != nullptr ? service : &modal; }

}  // namespace kestrune

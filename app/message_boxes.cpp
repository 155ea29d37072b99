#include "message_boxes.h"

#include <QMessageBox>

namespace kestrune {
namespace {

class ModalMessageBoxes : public MessageBoxes {
 public:
  void show(QWidget* owner, const Message& message) override {
    QMessageBox box(owner);
    box.setWindowTitle(message.title);
    box.setText(message.text);
    box.setStandardButtons(QMessageBox::Ok);
    switch (message.icon) {
      case MessageIcon::kNone: box.setIcon(QMessageBox::NoIcon); break;
      case MessageIcon::kWarning: box.setIcon(QMessageBox::Warning); break;
      case MessageIcon::kError: box.setIcon(QMessageBox::Critical); break;
    }
    box.exec();
  }
};

ModalMessageBoxes modal;
MessageBoxes* current = &modal;

}  // namespace

MessageBoxes& messageBoxes() { return *current; }

void setMessageBoxes(MessageBoxes* service) { current = service != nullptr ? service : &modal; }

}  // namespace kestrune

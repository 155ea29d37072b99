// SPDX-License-Identifier: MIT
#include "app/screen.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

#include "app/client_area.h"
#include "app/message_boxes.h"
#include "icon/program_icon.h"

namespace kestrune {
namespace {

constexpr int kClientWidthTwips = 4875;
constexpr int kClientHeightTwips = 3075;
// The controls were laid out for an 8-point sans serif at 96 dpi.
constexpr int kFontPixels = 11;

}  // namespace

Screen::Screen(QWidget* owner) : QDialog(owner), client_(new ClientArea(this)) {
  setWindowTitle(kProgramTitle);
  setWindowIcon(programIcon());
  QFont screenFont = font();
  screenFont.setPixelSize(kFontPixels);
  setFont(screenFont);

  auto* menuBar = new QMenuBar(this);
  menuBar->setNativeMenuBar(false);  // the menu belongs to the window, on every desktop
  QAction* about = menuBar->addAction(tr("&About..."));
  about->setObjectName("aboutAction");
  connect(about, &QAction::triggered, this, [this] { showAboutBox(); });

  client_->setFixedSize(fromTwips(0, 0, kClientWidthTwips, kClientHeightTwips).size());
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setMenuBar(menuBar);
  layout->addWidget(client_);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void Screen::unload() {
  if (unloaded_) return;
  unloaded_ = true;
  onUnload();
  // A box still open over this screen (its About box, say, when the automatic
  // exit fires) closes with it: its modal loop would keep the program alive.
  for (QDialog* box : findChildren<QDialog*>(Qt::FindDirectChildrenOnly)) {
    if (box->isVisible()) box->reject();
  }
  done(QDialog::Rejected);
}

void Screen::reject() { unload(); }

void Screen::closeEvent(QCloseEvent* event) {
  unload();  // the close box unloads, shown or not
  event->accept();
}

void Screen::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) centre();
}

bool Screen::event(QEvent* event) {
  const bool framed = event->type() == QEvent::Move || event->type() == QEvent::WindowActivate;
  if (framed && !frameKnown_ && isVisible() && frameGeometry() != geometry()) {
    frameKnown_ = true;
    centre();
  }
  return QDialog::event(event);
}

QMargins Screen::frameGuess() const {
  const auto marginsOf = [](const QWidget* window) {
    const QRect frame = window->frameGeometry(), client = window->geometry();
    return QMargins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                    frame.bottom() - client.bottom());
  };
  if (frameKnown_ || parentWidget() == nullptr) return marginsOf(this);
  return marginsOf(parentWidget()->window());
}

void Screen::centre() {
  const QRect area = parentWidget() != nullptr ? parentWidget()->window()->frameGeometry()
                                               : screen()->availableGeometry();
  QRect frame(QPoint(), size().grownBy(frameGuess()));
  frame.moveCenter(area.center());
  move(frame.topLeft());  // a window's position is that of its frame
}

void Screen::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && cancelButton_ != nullptr) {
    cancelButton_->click();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace kestrune

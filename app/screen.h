// SPDX-License-Identifier: MIT
// What the three screens share: the caption "Kestrune", the program icon,
// a menu bar with the single item "&About...", a fixed client area of
// 4875 x 3075 twips with controls placed in twips (twips.h), default and
// cancel buttons, and unloading.
//
// A screen unloads once: onUnload runs, the window closes and a modal
// showing of it returns. The close box unloads; Esc clicks the cancel
// button where there is one.
//
// A screen opens centred on its owner, or on the screen when it has none,
// frame included. Qt places a window before the window manager has framed
// it, guessing the frame: the screen takes its owner's frame as the guess,
// and centres itself once more as soon as its own frame is known. The
// owner is also the window's transient parent, which Qt hands on to the
// first shown window above it (the monitor's owner hides while it runs):
// under Wayland, where a window's position is ignored, that is all that
// tells the compositor which window a screen belongs over.
#pragma once

#include <QDialog>

#include "common/twips.h"

class QAction;
class QPushButton;

namespace kestrune {

using vx::fromTwips;

class Screen : public QDialog {
  Q_OBJECT

 public:
  explicit Screen(QWidget* owner);

  void unload();
  bool isUnloaded() const { return unloaded_; }
  QWidget* clientArea() const { return client_; }

 protected:
  // Creates a control of type W on the client area at a place given in twips.
  template <typename W, typename... Args>
  W* place(int left, int top, int width, int height, Args&&... args) {
    auto* widget = new W(std::forward<Args>(args)..., client_);
    widget->setGeometry(fromTwips(left, top, width, height));
    return widget;
  }
  void setCancelButton(QPushButton* button) { cancelButton_ = button; }

  virtual void onUnload() {}
  virtual void showAboutBox() = 0;

  void reject() override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool event(QEvent* event) override;

 private:
  QWidget* client_;
  // Centres the window, frame included, on its owner or else on the screen.
  void centre();
  QMargins frameGuess() const;

  QPushButton* cancelButton_ = nullptr;
  bool unloaded_ = false;
  bool frameKnown_ = false;
};

}  // namespace kestrune

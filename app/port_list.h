// SPDX-License-Identifier: MIT
// The location screen's port list: entries "1" to "4", the text the control
// receives, each shown in the drop-down with the device it opens and
// whether that is there ("1: /dev/ttyUSB0 (USB serial adapter)"). The
// devices are looked at again each time the list opens, so an adapter
// plugged in meanwhile shows up. Assistive technology reads each entry as
// drawn, and the closed list's description, which its hint shows, names
// the chosen entry's device before the tooltip.
#pragma once

#include <QComboBox>

namespace kestrune {

class PortList : public QComboBox {
  Q_OBJECT

 public:
  explicit PortList(QWidget* parent = nullptr);

  // Adds the entries "1" to "4" with their devices.
  void fill();
  void showPopup() override;

 private:
  void describeEntries();
  void describeChoice();
};

}  // namespace kestrune

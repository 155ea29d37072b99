// SPDX-License-Identifier: MIT
// vxpp: the property page of the control vxcomm. A design environment
// shows it for the controls a developer selected; it edits their stored
// settings, the five of the receiver's initialisation as plain text fields
// and SatellitesInView as a check box: filled from the first selected
// control when the selection changes, applied to that control alone.
//
// The page reads and writes only these properties (reading Idata
// would take a sentence off the queue), each by name through the control's
// late-binding interface and as text, so that every conversion and every
// error is the control's own. It checks nothing itself: a failing write
// ends the apply there and its vx::Error reaches the environment.
#pragma once

#include <QList>
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;

class vxpp : public QWidget {
  Q_OBJECT
  Q_PROPERTY(bool Changed READ Changed WRITE setChanged NOTIFY ChangedChanged)

 public:
  explicit vxpp(QWidget* parent = nullptr);

  QLabel* latitudeCaption;
  QLineEdit* latitudeField;
  QLabel* longitudeCaption;
  QLineEdit* longitudeField;
  QLabel* latHemisphereCaption;
  QLineEdit* latHemisphereField;
  QLabel* longHemisphereCaption;
  QLineEdit* longHemisphereField;
  QLabel* timeZoneCaption;
  QLineEdit* timeZoneField;
  QCheckBox* satellitesInViewField;

  // The controls the page is shown for; only the first is read and written.
  QList<QObject*> SelectedControls() const { return selected_; }
  void setSelectedControls(const QList<QObject*>& controls) { selected_ = controls; }

  // The page's changed flag: set by any change of a field; the environment
  // enables its Apply button by it.
  bool Changed() const { return changed_; }
  void setChanged(bool changed);

  // The environment's events.
  void onSelectionChanged();
  void applyChanges();

  // The settings the page edits, in the order it reads and applies them.
  static const QList<const char*>& settingNames();

 signals:
  void ChangedChanged(bool changed);

 private:
  // The fields and their properties, in the order of settingNames(): a
  // line edit or a check box each.
  QList<QPair<const char*, QWidget*>> fields() const;

  QList<QObject*> selected_;
  bool changed_ = false;
};

// SPDX-License-Identifier: MIT
// "Edit Properties..." on the context menu of a vxcomm in Qt Designer: the
// property page vxpp in a dialog with OK, Cancel and Apply, for the
// selected instances. Apply goes through Designer's form cursor, so that
// the change can be undone and marks the form modified.
#pragma once

#include <QDialog>
#include <QExtensionFactory>
#include <QPointer>
#include <QtDesigner/QDesignerTaskMenuExtension>

class QAction;
class QDialogButtonBox;
class vxcomm;
class vxpp;

// How the dialog changes a control on its form: in Designer, through the
// form's cursor, so that a change can be undone and a reset setting is not
// stored in the .ui file.
class FormEdits {
 public:
  virtual ~FormEdits() = default;
  virtual void set(vxcomm& control, const char* name, const QVariant& value) = 0;
  virtual void reset(vxcomm& control, const char* name) = 0;
};

class VxcommPropertiesDialog : public QDialog {
  Q_OBJECT

 public:
  // `selection` holds the selected instances, the one whose menu was opened first.
  explicit VxcommPropertiesDialog(const QList<vxcomm*>& selection, QWidget* parent = nullptr);
  vxpp* page() const { return page_; }

  // Applies the page to the first selected instance. Returns why the
  // control refused a value, or an empty text when it took them all.
  QString apply();

  // Changes the form through `edits` instead of Designer's cursor of the
  // control's form (not owned; nullptr goes back to the cursor).
  void setFormEdits(FormEdits* edits) { formEdits_ = edits; }

 private:
  // Applies, and says so in a message box when the control refused a value.
  bool applyAndReport();

  QList<QPointer<vxcomm>> selection_;
  vxpp* page_;
  QDialogButtonBox* buttons_;
  FormEdits* formEdits_ = nullptr;
};

class VxcommTaskMenu : public QObject, public QDesignerTaskMenuExtension {
  Q_OBJECT
  Q_INTERFACES(QDesignerTaskMenuExtension)

 public:
  VxcommTaskMenu(vxcomm* control, QObject* parent);
  QAction* preferredEditAction() const override { return editAction_; }
  QList<QAction*> taskActions() const override { return {editAction_}; }

 private:
  void editProperties();

  vxcomm* control_;
  QAction* editAction_;
};

class VxcommTaskMenuFactory : public QExtensionFactory {
  Q_OBJECT

 public:
  using QExtensionFactory::QExtensionFactory;

 protected:
  QObject* createExtension(QObject* object, const QString& iid, QObject* parent) const override;
};

// SPDX-License-Identifier: MIT
#include "control/designer/vxcomm_task_menu.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>
#include <QtDesigner/QDesignerFormWindowCursorInterface>
#include <QtDesigner/QDesignerFormWindowInterface>

#include "control/error/vx_error.h"
#include "control/vxcomm.h"
#include "control/vxpp.h"

namespace {

void copySettings(const QObject& from, QObject& to) {
  for (const char* name : vxpp::settingNames()) to.setProperty(name, from.property(name));
}

// Designer's form cursor: each change undoable, the form marked modified,
// and all of one apply a single command.
class DesignerFormEdits : public FormEdits {
 public:
  explicit DesignerFormEdits(QDesignerFormWindowInterface& form) : form_(form) {
    form_.beginCommand("Edit vxcomm properties");
  }
  ~DesignerFormEdits() override { form_.endCommand(); }
  void set(vxcomm& control, const char* name, const QVariant& value) override {
    form_.cursor()->setWidgetProperty(&control, name, value);
  }
  void reset(vxcomm& control, const char* name) override { form_.cursor()->resetWidgetProperty(&control, name); }

 private:
  QDesignerFormWindowInterface& form_;
};

// A control on no form (the dialog outside Designer): its properties directly.
class DirectEdits : public FormEdits {
 public:
  void set(vxcomm& control, const char* name, const QVariant& value) override { control.setProperty(name, value); }
  void reset(vxcomm& control, const char* name) override { control.setProperty(name, vxcomm().property(name)); }
};

// Sets what `edited` holds on `target`; a setting back at its default is
// reset, so that the form does not store it, as the control's own
// persistence omits it.
void setOnForm(vxcomm& target, const vxcomm& edited, FormEdits& edits) {
  const vxcomm defaults;
  for (const char* name : vxpp::settingNames()) {
    const QVariant value = edited.property(name);
    if (value == target.property(name)) continue;
    if (value == defaults.property(name)) {
      edits.reset(target, name);
    } else {
      edits.set(target, name, value);
    }
  }
}

// Puts the page's selection back when it goes, however the apply ended.
class SelectionKept {
 public:
  explicit SelectionKept(vxpp& page) : page_(page), selection_(page.SelectedControls()) {}
  ~SelectionKept() { page_.setSelectedControls(selection_); }
  SelectionKept(const SelectionKept&) = delete;
  SelectionKept& operator=(const SelectionKept&) = delete;

 private:
  vxpp& page_;
  QList<QObject*> selection_;
};

}  // namespace

VxcommPropertiesDialog::VxcommPropertiesDialog(const QList<vxcomm*>& selection, QWidget* parent)
    : QDialog(parent), page_(new vxpp(this)),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply)) {
  for (vxcomm* control : selection) selection_ << control;
  setWindowTitle("vxcomm Properties");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(page_);
  layout->addWidget(buttons_);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  page_->setSelectedControls(QList<QObject*>(selection.begin(), selection.end()));
  page_->onSelectionChanged();  // filling counts as a change: Apply starts enabled

  QPushButton* applyButton = buttons_->button(QDialogButtonBox::Apply);
  applyButton->setEnabled(page_->Changed());
  connect(page_, &vxpp::ChangedChanged, applyButton, &QPushButton::setEnabled);
  connect(applyButton, &QPushButton::clicked, this, [this] {
    if (applyAndReport()) page_->setChanged(false);
  });
  connect(buttons_, &QDialogButtonBox::accepted, this, [this] {
    if (!page_->Changed() || applyAndReport()) accept();
  });
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

bool VxcommPropertiesDialog::applyAndReport() {
  const QString failure = apply();
  if (!failure.isEmpty()) QMessageBox::warning(this, "vxpp", failure);
  return failure.isEmpty();
}

QString VxcommPropertiesDialog::apply() {
  if (selection_.isEmpty() || selection_.first().isNull()) return "The control is no longer on the form";
  vxcomm& target = *selection_.first();
  // The page applies to a stand-in holding the same settings: the control's
  // own conversions decide, and what it took before any failure goes to the
  // form. The page lets go of the stand-in before it goes, whatever is thrown.
  const auto standIn = std::make_unique<vxcomm>();
  copySettings(target, *standIn);
  QString failure;
  {
    const SelectionKept kept(*page_);
    page_->setSelectedControls({standIn.get()});
    try {
      page_->applyChanges();
    } catch (const vx::Error& error) {
      failure = QString::fromStdString(error.description()) + " (error " + QString::number(error.number()) + ")";
    }
  }
  if (formEdits_ != nullptr) {
    setOnForm(target, *standIn, *formEdits_);
  } else if (QDesignerFormWindowInterface* form = QDesignerFormWindowInterface::findFormWindow(&target)) {
    DesignerFormEdits edits(*form);
    setOnForm(target, *standIn, edits);
  } else {
    DirectEdits edits;
    setOnForm(target, *standIn, edits);
  }
  return failure;
}

VxcommTaskMenu::VxcommTaskMenu(vxcomm* control, QObject* parent)
    : QObject(parent), control_(control), editAction_(new QAction("Edit Properties...", this)) {
  connect(editAction_, &QAction::triggered, this, &VxcommTaskMenu::editProperties);
}

void VxcommTaskMenu::editProperties() {
  QList<vxcomm*> selection{control_};
  if (QDesignerFormWindowInterface* form = QDesignerFormWindowInterface::findFormWindow(control_)) {
    QDesignerFormWindowCursorInterface* cursor = form->cursor();
    for (int i = 0; i < cursor->selectedWidgetCount(); ++i) {
      auto* other = qobject_cast<vxcomm*>(cursor->selectedWidget(i));
      if (other != nullptr && other != control_) selection << other;
    }
  }
  VxcommPropertiesDialog dialog(selection, control_->window());
  dialog.exec();
}

QObject* VxcommTaskMenuFactory::createExtension(QObject* object, const QString& iid, QObject* parent) const {
  if (iid != Q_TYPEID(QDesignerTaskMenuExtension)) return nullptr;
  if (auto* control = qobject_cast<vxcomm*>(object)) return new VxcommTaskMenu(control, parent);
  return nullptr;
}

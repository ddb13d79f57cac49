// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/translate_form.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>

#include "i18n/cls_catalogue.h"
#include "platform/ansi_text.h"

namespace glyph {

namespace {

const clsItem* ItemFor(const clsModule& module, const QObject* control) {
  return module.FindItem(ToAnsi(control->objectName()));
}

void TranslateControl(QWidget* control, const clsModule& module) {
  const clsItem* item = ItemFor(module, control);
  if (item == nullptr) return;
  const QString text = FromAnsi(item->Translation);
  if (auto* label = qobject_cast<QLabel*>(control)) {
    label->setTextFormat(Qt::PlainText);  // a language file's text is never markup
    label->setText(text);
  } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
    button->setText(text);
  } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
    frame->setTitle(text);
  }
}

}  // namespace

void TranslateForm(QWidget* form, const clsCatalogue& catalogue) {
  const clsTranslation* language = catalogue.CurrentTranslation();
  if (language == nullptr || form == nullptr) return;
  const clsModule* module = language->FindModule(ToAnsi(form->objectName()));
  if (module == nullptr) return;
  if (const clsItem* caption = module->FindItem("CAPTION")) form->setWindowTitle(FromAnsi(caption->Translation));
  for (QWidget* control : form->findChildren<QWidget*>()) TranslateControl(control, *module);
}

}  // namespace glyph

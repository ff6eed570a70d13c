#pragma once
// The forms of a project translated with --translate: each form's designer read as project
// migration reads it (.frx resources included), what the translator needs to know of it, and
// its .dfm once its code is translated (with the event adapters the translation wrote).

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>

#include "files/text_encoding.h"
#include "migration/form_design.h"
#include "translation/translator.h"

namespace veldrane::cli {

struct FormToTranslate {
  QString vb_name;    // Attribute VB_Name
  QString form_name;  // the form's instance and, with T, its class
  migration::FormDesign design;
  translation::FormDescription description;
};

// Reads the form `text` (decoded) of `path` (lossless); the cause when it has no designer section.
std::optional<QString> ReadFormToTranslate(const QString& path, const QString& text,
                                           const files::TextEncoding& code_page, FormToTranslate* form);

// The form's .dfm, its events wired to the methods `unit` declares for them.
QByteArray TranslatedFormDfm(const FormToTranslate& form, const translation::TranslatedUnit& unit);

}  // namespace veldrane::cli

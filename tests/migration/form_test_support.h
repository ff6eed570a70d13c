#pragma once
// Small helpers for the form tests: a VB form around some controls, finding components by name.

#include <QString>
#include <functional>

#include "migration/form_design.h"

namespace veldrane::migration::testing {

// `Begin VB.Form Form1` with a caption and client size around `body` (designer lines, CR LF).
inline QString FormText(const QString& body, const QString& form_lines = QString()) {
  QString text = QStringLiteral(
      "VERSION 5.00\r\nBegin VB.Form Form1 \r\n   Caption         =   \"Form1\"\r\n"
      "   ClientHeight    =   3195\r\n   ClientLeft      =   60\r\n   ClientTop       =   345\r\n"
      "   ClientWidth     =   4680\r\n");
  text += form_lines;
  text += body;
  text += QStringLiteral("End\r\nAttribute VB_Name = \"Form1\"\r\n");
  return text;
}

// One control block: `Begin <vb_class> <name>` with the given property lines.
inline QString Control(const QString& vb_class, const QString& name, const QString& lines,
                       const QString& children = QString()) {
  return QStringLiteral("   Begin %1 %2 \r\n").arg(vb_class, name) + lines + children +
         QStringLiteral("   End\r\n");
}

inline const FormControl* FindComponent(const FormControl& root, const QString& name) {
  if (root.name == name) return &root;
  for (const FormControl& child : root.children)
    if (const FormControl* found = FindComponent(child, name)) return found;
  return nullptr;
}

// The value written for `property`, or a null string when it is not written.
inline QString PropertyOf(const FormControl& control, const QString& property) {
  for (const DfmProperty& written : control.properties)
    if (written.name == property) return written.value;
  return QString();
}

}  // namespace veldrane::migration::testing

#include "migration/lpi_writer.h"

#include <QXmlStreamWriter>

namespace veldrane::migration {
namespace {

void Value(QXmlStreamWriter& xml, const QString& element, const QString& value) {
  xml.writeStartElement(element);
  xml.writeAttribute(QStringLiteral("Value"), value);
  xml.writeEndElement();
}

void UnitEntry(QXmlStreamWriter& xml, const QString& file, const DprUnit* unit) {
  xml.writeStartElement(QStringLiteral("Unit"));
  Value(xml, QStringLiteral("Filename"), file);
  Value(xml, QStringLiteral("IsPartOfProject"), QStringLiteral("True"));
  if (unit && !unit->form_name.isEmpty()) {
    Value(xml, QStringLiteral("ComponentName"), unit->form_name);
    Value(xml, QStringLiteral("HasResources"), QStringLiteral("True"));
    Value(xml, QStringLiteral("ResourceBaseClass"),
          unit->creatable ? QStringLiteral("Form") : QStringLiteral("Frame"));
  }
  xml.writeEndElement();
}

}  // namespace

QString LpiText(const DprProject& project, const QString& dpr_file, const QStringList& unit_folders) {
  QString text;
  QXmlStreamWriter xml(&text);
  xml.setAutoFormatting(true);
  xml.setAutoFormattingIndent(2);
  xml.writeStartDocument();
  xml.writeStartElement(QStringLiteral("CONFIG"));
  xml.writeStartElement(QStringLiteral("ProjectOptions"));
  Value(xml, QStringLiteral("Version"), QStringLiteral("12"));
  xml.writeStartElement(QStringLiteral("General"));
  // The .dpr is kept as written: Lazarus must not rewrite its CreateForm or Title lines.
  xml.writeStartElement(QStringLiteral("Flags"));
  Value(xml, QStringLiteral("MainUnitHasCreateFormStatements"), QStringLiteral("False"));
  Value(xml, QStringLiteral("MainUnitHasTitleStatement"), QStringLiteral("False"));
  Value(xml, QStringLiteral("MainUnitHasScaledStatement"), QStringLiteral("False"));
  xml.writeEndElement();
  Value(xml, QStringLiteral("SessionStorage"), QStringLiteral("None"));
  Value(xml, QStringLiteral("Title"), project.title.isEmpty() ? project.program_name : project.title);
  Value(xml, QStringLiteral("UseAppBundle"), QStringLiteral("False"));
  Value(xml, QStringLiteral("ResourceType"), QStringLiteral("res"));
  xml.writeEndElement();  // General
  xml.writeStartElement(QStringLiteral("BuildModes"));
  xml.writeStartElement(QStringLiteral("Item"));
  xml.writeAttribute(QStringLiteral("Name"), QStringLiteral("Default"));
  xml.writeAttribute(QStringLiteral("Default"), QStringLiteral("True"));
  xml.writeEndElement();
  xml.writeEndElement();
  xml.writeStartElement(QStringLiteral("RequiredPackages"));
  xml.writeStartElement(QStringLiteral("Item"));
  Value(xml, QStringLiteral("PackageName"), QStringLiteral("LCL"));
  xml.writeEndElement();
  xml.writeEndElement();
  xml.writeStartElement(QStringLiteral("Units"));
  UnitEntry(xml, dpr_file, nullptr);
  for (const DprUnit& unit : project.units) UnitEntry(xml, unit.path, &unit);
  xml.writeEndElement();
  xml.writeEndElement();  // ProjectOptions

  xml.writeStartElement(QStringLiteral("CompilerOptions"));
  Value(xml, QStringLiteral("Version"), QStringLiteral("11"));
  xml.writeStartElement(QStringLiteral("Target"));
  Value(xml, QStringLiteral("Filename"), project.program_name);
  xml.writeEndElement();
  xml.writeStartElement(QStringLiteral("SearchPaths"));
  if (!unit_folders.isEmpty()) Value(xml, QStringLiteral("OtherUnitFiles"), unit_folders.join(u';'));
  Value(xml, QStringLiteral("UnitOutputDirectory"), QStringLiteral("lib/$(TargetCPU)-$(TargetOS)"));
  xml.writeEndElement();
  xml.writeStartElement(QStringLiteral("Parsing"));
  xml.writeStartElement(QStringLiteral("SyntaxOptions"));
  Value(xml, QStringLiteral("SyntaxMode"), QStringLiteral("Delphi"));
  xml.writeEndElement();
  xml.writeEndElement();
  xml.writeEndElement();  // CompilerOptions
  xml.writeEndElement();  // CONFIG
  xml.writeEndDocument();
  return text;
}

}  // namespace veldrane::migration

#pragma once

#include <QString>

namespace veldrane::migration {

// `name` made a Pascal identifier that Delphi and Free Pascal both accept: ASCII letters,
// digits and underscores, not starting with a digit, not a reserved word. Every other
// character becomes '_'; an empty result or one starting with a digit gets a leading 'U';
// a reserved word gets a trailing '_'.
QString PascalIdentifier(const QString& name);

// `text` as a Pascal string literal in ASCII: printable ASCII between quotes (a quote
// doubled), every other character as #<code> ('Caf'#233, #20013#25991, '' when empty).
// Characters beyond the BMP are written as their two UTF-16 code units.
QString PascalStringLiteral(const QString& text);

// True when `word` is a reserved word of Object Pascal (any case).
bool IsPascalReservedWord(const QString& word);

}  // namespace veldrane::migration

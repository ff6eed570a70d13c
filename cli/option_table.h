#pragma once

#include <QString>
#include <span>

namespace veldrane::cli {

// One command-line option, declared once: the parser registers it from here and --help
// lists it from here.
struct OptionDeclaration {
  const char* short_name;     // nullptr: none
  const char* long_name;      // what the parser is asked for
  const char* value_name;     // nullptr: a switch
  const char* default_value;  // nullptr: none
  const char* section;        // the --help heading it is listed under
  const char* help;           // lines separated by '\n'
};

std::span<const OptionDeclaration> OptionTable();

// The whole --help text: the hand-written introduction, the options by section, the exit
// statuses and the examples.
QString HelpText();

}  // namespace veldrane::cli

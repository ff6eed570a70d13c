// Prints the bash completion script of veldrane-convert, built from the same option table
// as --help, so the two never disagree. Run at build time; the package installs its output.
#include <QString>
#include <QStringList>
#include <cstdio>

#include "cli/option_table.h"

int main() {
  using veldrane::cli::OptionDeclaration;
  // Values named DIR complete directories, FILE files; other values (NAME, MODE, N) nothing.
  QStringList all_options, file_values, directory_values, other_values;
  for (const OptionDeclaration& option : veldrane::cli::OptionTable()) {
    const QString long_name = QStringLiteral("--") + option.long_name;
    all_options << long_name;
    if (option.short_name != nullptr) all_options << QStringLiteral("-") + option.short_name;
    if (option.value_name == nullptr) continue;
    const QString value(option.value_name);
    QStringList& group = value == QStringLiteral("DIR")    ? directory_values
                         : value == QStringLiteral("FILE") ? file_values
                                                           : other_values;
    group << long_name;
    if (option.short_name != nullptr) group << QStringLiteral("-") + option.short_name;
  }
  const QString script =
      QStringLiteral(
          "# bash completion for veldrane-convert (generated from its option table)\n"
          "_veldrane_convert() {\n"
          "  local cur prev words cword\n"
          "  _init_completion || return\n"
          "  case \"$prev\" in\n"
          "    %1) _filedir -d; return ;;\n"
          "    %2) _filedir; return ;;\n"
          "    %3) return ;;\n"
          "  esac\n"
          "  if [[ \"$cur\" == -* ]]; then\n"
          "    COMPREPLY=($(compgen -W '%4' -- \"$cur\"))\n"
          "    return\n"
          "  fi\n"
          "  _filedir '@(bas|cls|frm|ctl|dob|pag|dsr|vbp|BAS|CLS|FRM|CTL|DOB|PAG|DSR|VBP)'\n"
          "}\n"
          "complete -F _veldrane_convert veldrane-convert\n")
          .arg(directory_values.join('|'), file_values.join('|'), other_values.join('|'),
               all_options.join(' '));
  std::fputs(script.toUtf8().constData(), stdout);
  return 0;
}

#include <QStringList>

#include "cli/option_table.h"

namespace veldrane::cli {
namespace {

constexpr qsizetype kHelpColumn = 28;  // where the descriptions start

const char kIntroduction[] =
    "Usage: veldrane-convert [OPTIONS] [FILE]\n"
    "       veldrane-convert [OPTIONS] --out-dir DIR FILE-OR-DIR...\n"
    "       veldrane-convert [OPTIONS] --out-dir DIR PROJECT.vbp...\n"
    "\n"
    "Converts Visual Basic 6 source text into Delphi source text.\n"
    "\n"
    "With one FILE (or none, or '-', for standard input; a FIFO, /dev/stdin or <(...)\n"
    "work too) the result goes to standard output, or to -o FILE. With --out-dir,\n"
    "every FILE and every VB6 file found under each directory (.bas .cls .frm .ctl\n"
    ".dob .pag .dsr, any case, recursively) is converted to\n"
    "DIR/<path relative to the directory given>.pas. Linked directories are followed;\n"
    "a link that leads back into its own ancestors is reported as a loop. Names keep\n"
    "their bytes, whatever their encoding.\n"
    "\n"
    "Inputs are never modified. Outputs are written to a temporary file that is\n"
    "renamed into place, so a failed write leaves what was there untouched; a\n"
    "symbolic link is never written through, and nothing is written outside DIR.\n";

const char kProjects[] =
    "VB6 projects:\n"
    "  A .vbp file named with --out-dir is migrated as a project (several may be\n"
    "  named, beside files and directories). Its Form=, Module=, Class= and\n"
    "  UserControl= entries are found relative to the .vbp (backslashes, any case,\n"
    "  '..'); for P.vbp it writes below DIR:\n"
    "    P.dpr            the program: every unit 'in' its path, the startup form\n"
    "                     created first (or Sub Main called), the title\n"
    "    R.pas            one unit per form, module, class and user control at its\n"
    "                     path R in the project; files from outside the project's\n"
    "                     folder go below DIR/external/\n"
    "    R.dfm            beside each form's unit: the form's controls\n"
    "    P.migration.md   the report (Markdown): per file what was migrated, controls\n"
    "                     without counterpart, dropped properties, events not wired,\n"
    "                     .frx resources not carried, and the lines with On Error,\n"
    "                     GoTo, GoSub, Variant, file I/O and COM objects left for\n"
    "                     hand work; project totals first\n"
    "  Each unit's code is the file's conversion exactly as above, line for line;\n"
    "  only the unit's skeleton is added and routine headers become methods\n"
    "  (procedure TForm1.Command1Click(Sender: TObject);). A unit is named after its\n"
    "  module or class (Attribute VB_Name) or its form's file, and its file after the\n"
    "  unit. A member that is missing or unreadable is reported; the rest still\n"
    "  migrate. A directory is still converted file by file; when it holds .vbp\n"
    "  files, a note says how to migrate them.\n";

const char kExitStatus[] =
    "Exit status: 0 when every file was converted, 1 when any failed (missing or\n"
    "unreadable file, directory without VB6 files, binary file, bytes invalid in the\n"
    "encoding, unwritable or existing output, a project member missing), 2 for a\n"
    "usage error.\n";

const char kExamples[] =
    "Examples:\n"
    "  veldrane-convert Module1.bas > Module1.pas\n"
    "  veldrane-convert -o Form1.pas --eol keep Form1.frm\n"
    "  veldrane-convert --trace run.txt --stop-at-yield 100 < Module1.bas\n"
    "  veldrane-convert --out-dir delphi -j 4 vbproject/\n"
    "  veldrane-convert --out-dir delphi --force --output-encoding utf-8 vbproject/\n"
    "  veldrane-convert --out-dir delphi vbproject/Project1.vbp\n";

QString OptionLines(const OptionDeclaration& option) {
  QString names = option.short_name ? QString("  -%1, --%2").arg(option.short_name, option.long_name)
                                    : QString("      --%1").arg(option.long_name);
  if (option.value_name) names += QString(" ") + option.value_name;
  const QStringList help = QString(option.help).split('\n');
  // Names too long for the column get their description on the lines below.
  QString out = names.size() + 2 <= kHelpColumn ? names.leftJustified(kHelpColumn) : names + '\n';
  for (qsizetype i = 0; i < help.size(); ++i)
    out +=
        (i == 0 && names.size() + 2 <= kHelpColumn ? QString() : QString(kHelpColumn, ' ')) + help[i] + '\n';
  return out;
}

}  // namespace

QString HelpText() {
  QString text = kIntroduction;
  QString section;
  for (const OptionDeclaration& option : OptionTable()) {
    if (section != option.section) {
      section = option.section;
      text += '\n' + section + ":\n";
    }
    text += OptionLines(option);
  }
  return text + '\n' + kProjects + '\n' + kExitStatus + '\n' + kExamples;
}

}  // namespace veldrane::cli

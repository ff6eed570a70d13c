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
    "symbolic link is never written through, and nothing is written outside DIR.\n"
    "Two outputs naming one file (--trace ./t.txt -o t.txt) are a usage error. A run\n"
    "stopped by SIGINT, SIGTERM or SIGHUP removes its temporary files. Messages show\n"
    "control characters, invisible format characters (U+202E ...) and bytes that\n"
    "are not UTF-8 escaped (\\n, \\u202E, \\xE9).\n";

const char kProjects[] =
    "VB6 projects:\n"
    "  A .vbp file named with --out-dir is migrated as a project (several may be\n"
    "  named, beside files and directories). Its Form=, Module=, Class= and\n"
    "  UserControl= entries are found relative to the .vbp (backslashes, '..', the\n"
    "  name's bytes in the project's code page, else in UTF-8, else in any case), and\n"
    "  only inside the project root: the .vbp's own folder and what is below it, or\n"
    "  the folder --project-root DIR names. An absolute path, a '..' above the root\n"
    "  and a symbolic link leading outside it are refused and reported. For P.vbp it\n"
    "  writes below DIR:\n"
    "    P.dpr            the program: every unit 'in' its path, the startup form\n"
    "                     created first (or Sub Main called), the title\n"
    "    R.pas            one unit per form, module, class and user control at its\n"
    "                     path R in the project; files from elsewhere below the\n"
    "                     project root go below DIR/external/\n"
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
    "  unit (names with letters other than ASCII ones transliterated: Caf\u00e9 ->\n"
    "  Cafe, \u521d\u671f\u5316 -> U521DU671FU5316). A member that is missing, unreadable or\n"
    "  refused is reported; the rest still migrate. A directory is still converted\n"
    "  file by file; when it holds .vbp files not named, a note says how to migrate\n"
    "  them.\n";

const char kTranslation[] =
    "Translation (--translate):\n"
    "  The VB6 code is parsed and written as Object Pascal that compiles with Delphi\n"
    "  and Free Pascal ({$MODE DelphiUnicode}) and does what the VB6 code did:\n"
    "  typed expressions, ByRef as var, Optional and ParamArray, arrays with VB's\n"
    "  bounds, On Error and Resume, classes as reference-counted interfaces (events,\n"
    "  Implements), Collection, file I/O, Debug.Print to standard output. The files\n"
    "  named (and found under directories) are translated together, as one program:\n"
    "  each sees the others' public members; several files also get ProjectTypes.pas\n"
    "  (their shared types, constants and class interfaces) at the top of DIR.\n"
    "  Translated units use the runtime units (Vr*.pas), which --out-dir writes\n"
    "  into DIR too. What is not translated stays as a comment followed by a\n"
    "  raised run-time error, so the rest compiles, and is listed on standard error\n"
    "  as FILE:LINE: why, after a line with the totals.\n";

const char kExitStatus[] =
    "Exit status: 0 when every file was converted, 1 when any failed (missing or\n"
    "unreadable file, directory without VB6 files, binary file, bytes invalid in the\n"
    "encoding, unwritable or existing output, a FIFO without reader, a project\n"
    "member missing or refused), 2 for a usage error, 130, 143 or 129 when stopped by\n"
    "SIGINT, SIGTERM or SIGHUP.\n";

const char kExamples[] =
    "Examples:\n"
    "  veldrane-convert Module1.bas > Module1.pas\n"
    "  veldrane-convert -o Form1.pas --eol keep Form1.frm\n"
    "  veldrane-convert --trace run.txt --stop-at-yield 100 < Module1.bas\n"
    "  veldrane-convert --out-dir delphi -j 4 vbproject/\n"
    "  veldrane-convert --out-dir delphi --force --output-encoding utf-8 vbproject/\n"
    "  veldrane-convert --out-dir delphi vbproject/Project1.vbp\n"
    "  veldrane-convert --out-dir delphi --project-root vb vb/app/Project1.vbp\n"
    "  veldrane-convert --translate --out-dir pascal vbproject/\n";

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
  return text + '\n' + kProjects + '\n' + kTranslation + '\n' + kExitStatus + '\n' + kExamples;
}

}  // namespace veldrane::cli

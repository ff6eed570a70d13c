#include "cli/option_table.h"

#include <iterator>

namespace veldrane::cli {
namespace {

constexpr char kOutput[] = "Output";
constexpr char kText[] = "Text";
constexpr char kTranslation[] = "Translation";
constexpr char kRunning[] = "Running";
constexpr char kDiagnostics[] = "Diagnostics (for reproducing a run of the window)";

constexpr OptionDeclaration kOptions[] = {
    {"o", "output", "FILE", nullptr, kOutput,
     "write the one result to FILE ('-' or /dev/stdout:\n"
     "standard output, /dev/stderr: standard error); a\n"
     "device or FIFO is written to, never replaced; a\n"
     "FIFO that nobody opens for reading within 5 s\n"
     "fails with 'no reader'"},
    {nullptr, "out-dir", "DIR", nullptr, kOutput, "write one .pas file per input below DIR"},
    {nullptr, "project-root", "DIR", nullptr, kOutput,
     "read the members of a .vbp from anywhere below\n"
     "DIR, a folder that holds it (default: only below\n"
     "the .vbp's own folder)"},
    {"f", "force", nullptr, nullptr, kOutput,
     "replace outputs that already exist as regular\n"
     "files or symbolic links (the link itself is\n"
     "replaced, never its target)"},
    {nullptr, "encoding", "NAME", "auto", kText,
     "input encoding; 'auto' (default): a UTF-8 or UTF-16\n"
     "byte order mark, else UTF-16 told by its zero bytes,\n"
     "else UTF-8 if the bytes are valid UTF-8, else the\n"
     "legacy encoding. Any other NAME (utf-8, utf-16le,\n"
     "utf-16be, windows-1252, shift_jis, ...) is taken as\n"
     "given, a byte order mark included"},
    {nullptr, "legacy-encoding", "NAME", "auto", kText,
     "code page for bytes that are not UTF-8; 'auto'\n"
     "(default): detected among the code pages VB6\n"
     "code is written in (windows-1250 to 1258,\n"
     "shift_jis, gbk, big5, windows-949, windows-874),\n"
     "else windows-1252; -v names the one chosen. A\n"
     "project's files share one, chosen from all of\n"
     "them, the fonts' Charset first"},
    {nullptr, "output-encoding", "NAME", nullptr, kText,
     "encoding of the results (default: the input's, its\n"
     "byte order mark kept); a character it cannot hold\n"
     "makes that file fail"},
    {nullptr, "eol", "MODE", "auto", kText,
     "'auto' (default): a file whose line breaks are LF or\n"
     "CR is converted with CR LF and given its own line\n"
     "breaks back; mixed breaks all become CR LF for the\n"
     "run and the most frequent kind in the result, with a\n"
     "warning; 'keep': line breaks are not touched"},
    {nullptr, "whole-file", nullptr, nullptr, kText,
     "also convert the designer header (VERSION line,\n"
     "Begin ... End blocks, Attribute VB_ lines) that\n"
     "is otherwise left out of the result"},
    {nullptr, "translate", nullptr, nullptr, kTranslation,
     "translate instead of converting: the VB6 code is\n"
     "read as a language and written as Object Pascal\n"
     "that compiles with Delphi and Free Pascal and\n"
     "does what the VB6 code did (see below)"},
    {"j", "jobs", "N", nullptr, kRunning,
     "convert N files at once, at most 1024 (default: one\n"
     "per hardware thread); results and messages do not\n"
     "depend on N"},
    {"q", "quiet", nullptr, nullptr, kRunning, "no progress display, no warnings and no summary"},
    {"v", "verbose", nullptr, nullptr, kRunning, "list each file with its encoding, size and time"},
    {"h", "help", nullptr, nullptr, kRunning, "show this help and exit"},
    {nullptr, "version", nullptr, nullptr, kRunning, "show the version and exit"},
    {nullptr, "trace", "FILE", nullptr, kDiagnostics,
     "write each caption the run shows, one line each,\n"
     "'Label1<TAB>caption' or 'Label2<TAB>caption', then\n"
     "'yields<TAB>N' with the number of yields (UTF-8,\n"
     "LF); written like -o ('-': standard output)"},
    {nullptr, "stop-at-yield", "K", nullptr, kDiagnostics,
     "during the K-th yield (from 1) act as the\n"
     "window's Stop command: the run ends its steps\n"
     "without converting more"},
    {nullptr, "clear-at-yield", "K", nullptr, kDiagnostics,
     "during the K-th yield act as the window's Clear\n"
     "command: the text is emptied"},
};

}  // namespace

std::span<const OptionDeclaration> OptionTable() { return kOptions; }

}  // namespace veldrane::cli

#include "translation/intrinsics.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace veldrane::translation {
namespace {

// Sorted by name, case-insensitively. Results follow VB: the forms without '$' that VB
// types as Variant are kept as String where VB returns a String for every non-Null input.
constexpr std::array<Intrinsic, 110> kIntrinsics = {{
    {"Abs", "VbAbs", VbType::kVariant},
    {"Array", "VbArray", VbType::kVariant},
    {"Asc", "VbAsc", VbType::kInteger},
    {"AscW", "VbAscW", VbType::kInteger},
    {"Atn", "VbAtn", VbType::kDouble},
    {"CBool", "VbCBool", VbType::kBoolean},
    {"CByte", "VbCByte", VbType::kByte},
    {"CCur", "VbCCur", VbType::kCurrency},
    {"CDate", "VbCDate", VbType::kDate},
    {"CDbl", "VbCDbl", VbType::kDouble},
    {"CDec", "VbCDec", VbType::kVariant},
    {"Choose", "VbChoose", VbType::kVariant},
    {"Chr", "VbChr", VbType::kString},
    {"ChrW", "VbChrW", VbType::kString},
    {"CInt", "VbCInt", VbType::kInteger},
    {"CLng", "VbCLng", VbType::kLong},
    {"Command", "VbCommand", VbType::kString},
    {"Cos", "VbCos", VbType::kDouble},
    {"CSng", "VbCSng", VbType::kSingle},
    {"CStr", "VbCStr", VbType::kString},
    {"CurDir", "VbCurDir", VbType::kString},
    {"CVar", "VbCVar", VbType::kVariant},
    {"CVErr", "VbCVErr", VbType::kVariant},
    {"Date", "VbDate", VbType::kDate},
    {"DateAdd", "VbDateAdd", VbType::kDate},
    {"DateDiff", "VbDateDiff", VbType::kLong},
    {"DatePart", "VbDatePart", VbType::kInteger},
    {"DateSerial", "VbDateSerial", VbType::kDate},
    {"DateValue", "VbDateValue", VbType::kDate},
    {"Day", "VbDay", VbType::kInteger},
    {"Dir", "VbDir", VbType::kString},
    {"DoEvents", "VbDoEvents", VbType::kInteger},
    {"Environ", "VbEnviron", VbType::kString},
    {"EOF", "VbEOF", VbType::kBoolean},
    {"Error", "VbError", VbType::kString},
    {"Exp", "VbExp", VbType::kDouble},
    {"FileDateTime", "VbFileDateTime", VbType::kDate},
    {"FileLen", "VbFileLen", VbType::kLong},
    {"Filter", "VbFilter", VbType::kVariant},
    {"Fix", "VbFix", VbType::kVariant},
    {"Format", "VbFormat", VbType::kString},
    {"FormatCurrency", "VbFormatCurrency", VbType::kString},
    {"FormatDateTime", "VbFormatDateTime", VbType::kString},
    {"FormatNumber", "VbFormatNumber", VbType::kString},
    {"FormatPercent", "VbFormatPercent", VbType::kString},
    {"FreeFile", "VbFreeFile", VbType::kInteger},
    {"Hex", "VbHex", VbType::kString},
    {"Hour", "VbHour", VbType::kInteger},
    {"IIf", "VbIIf", VbType::kVariant},
    {"Input", "VbInput", VbType::kString},
    {"InputBox", "VbInputBox", VbType::kString},
    {"InStr", "VbInStr", VbType::kLong},
    {"InStrRev", "VbInStrRev", VbType::kLong},
    {"Int", "VbInt", VbType::kVariant},
    {"IsArray", "VbIsArray", VbType::kBoolean},
    {"IsDate", "VbIsDate", VbType::kBoolean},
    {"IsEmpty", "VbIsEmpty", VbType::kBoolean},
    {"IsError", "VbIsError", VbType::kBoolean},
    {"IsNull", "VbIsNull", VbType::kBoolean},
    {"IsNumeric", "VbIsNumeric", VbType::kBoolean},
    {"IsObject", "VbIsObject", VbType::kBoolean},
    {"Join", "VbJoin", VbType::kString},
    {"LCase", "VbLCase", VbType::kString},
    {"Left", "VbLeft", VbType::kString},
    {"Len", "VbLen", VbType::kLong},
    {"LenB", "VbLenB", VbType::kLong},
    {"Loc", "VbLoc", VbType::kLong},
    {"LOF", "VbLOF", VbType::kLong},
    {"Log", "VbLog", VbType::kDouble},
    {"LTrim", "VbLTrim", VbType::kString},
    {"Mid", "VbMid", VbType::kString},
    {"Minute", "VbMinute", VbType::kInteger},
    {"Month", "VbMonth", VbType::kInteger},
    {"MonthName", "VbMonthName", VbType::kString},
    {"MsgBox", "VbMsgBox", VbType::kInteger},
    {"Now", "VbNow", VbType::kDate},
    {"Oct", "VbOct", VbType::kString},
    {"QBColor", "VbQBColor", VbType::kLong},
    {"Replace", "VbReplace", VbType::kString},
    {"RGB", "VbRGB", VbType::kLong},
    {"Right", "VbRight", VbType::kString},
    {"Rnd", "VbRnd", VbType::kSingle},
    {"Round", "VbRound", VbType::kVariant},
    {"RTrim", "VbRTrim", VbType::kString},
    {"Second", "VbSecond", VbType::kInteger},
    {"Sgn", "VbSgn", VbType::kInteger},
    {"Shell", "VbShell", VbType::kDouble},
    {"Sin", "VbSin", VbType::kDouble},
    {"Space", "VbSpace", VbType::kString},
    {"Split", "VbSplit", VbType::kVariant},
    {"Sqr", "VbSqr", VbType::kDouble},
    {"Str", "VbStr", VbType::kString},
    {"StrComp", "VbStrComp", VbType::kInteger},
    {"StrConv", "VbStrConv", VbType::kString},
    {"String", "VbString", VbType::kString},
    {"StrReverse", "VbStrReverse", VbType::kString},
    {"Switch", "VbSwitch", VbType::kVariant},
    {"Tan", "VbTan", VbType::kDouble},
    {"Time", "VbTime", VbType::kDate},
    {"Timer", "VbTimer", VbType::kSingle},
    {"TimeSerial", "VbTimeSerial", VbType::kDate},
    {"TimeValue", "VbTimeValue", VbType::kDate},
    {"Trim", "VbTrim", VbType::kString},
    {"TypeName", "VbTypeName", VbType::kString},
    {"UCase", "VbUCase", VbType::kString},
    {"Val", "VbVal", VbType::kDouble},
    {"VarType", "VbVarType", VbType::kInteger},
    {"Weekday", "VbWeekday", VbType::kInteger},
    {"WeekdayName", "VbWeekdayName", VbType::kString},
    {"Year", "VbYear", VbType::kInteger},
}};

int CompareFolded(std::string_view a, std::string_view b) {
  for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
    const int x = std::tolower(static_cast<unsigned char>(a[i]));
    const int y = std::tolower(static_cast<unsigned char>(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

}  // namespace

std::optional<Intrinsic> FindIntrinsic(std::string_view vb_name) {
  if (!vb_name.empty() && vb_name.back() == '$') vb_name.remove_suffix(1);
  const auto found = std::lower_bound(
      kIntrinsics.begin(), kIntrinsics.end(), vb_name,
      [](const Intrinsic& row, std::string_view name) { return CompareFolded(row.vb_name, name) < 0; });
  if (found == kIntrinsics.end() || CompareFolded(found->vb_name, vb_name) != 0) return std::nullopt;
  Intrinsic result = *found;
  return result;
}

}  // namespace veldrane::translation

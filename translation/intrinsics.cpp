#include "translation/intrinsics.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace veldrane::translation {
namespace {

// Sorted by name, case-insensitively. Results follow VB: the forms without '$' that VB
// types as Variant are kept as String where VB returns a String for every non-Null input.
// Arguments: one letter each for the type the routine takes (V Variant, S String, L Long,
// I Integer, D Double, B Boolean, T Date, A an array as it is), those after '|' optional,
// '*' any number of Variants.
constexpr std::array<Intrinsic, 126> kIntrinsics = {{
    {"Abs", "VbAbs", VbType::kVariant, "V"},
    {"Array", "VbArray", VbType::kVariant, "*"},
    {"Asc", "VbAsc", VbType::kInteger, "S"},
    {"AscW", "VbAscW", VbType::kInteger, "S"},
    {"Atn", "VbAtn", VbType::kDouble, "D"},
    {"Beep", "VbBeep", VbType::kVoid, ""},
    {"CBool", "VbCBool", VbType::kBoolean, "V"},
    {"CByte", "VbCByte", VbType::kByte, "V"},
    {"CCur", "VbCCur", VbType::kCurrency, "V"},
    {"CDate", "VbCDate", VbType::kDate, "V"},
    {"CDbl", "VbCDbl", VbType::kDouble, "V"},
    {"CDec", "VbCDec", VbType::kVariant, "V"},
    {"ChDir", "VbChDir", VbType::kVoid, "S"},
    {"ChDrive", "VbChDrive", VbType::kVoid, "S"},
    {"Choose", "VbChoose", VbType::kVariant, "L*"},
    {"Chr", "VbChr", VbType::kString, "L"},
    {"ChrW", "VbChrW", VbType::kString, "L"},
    {"CInt", "VbCInt", VbType::kInteger, "V"},
    {"CLng", "VbCLng", VbType::kLong, "V"},
    {"Command", "VbCommand", VbType::kString, ""},
    {"Cos", "VbCos", VbType::kDouble, "D"},
    {"CSng", "VbCSng", VbType::kSingle, "V"},
    {"CStr", "VbCStr", VbType::kString, "V"},
    {"CurDir", "VbCurDir", VbType::kString, "|S"},
    {"CVar", "VbCVar", VbType::kVariant, "V"},
    {"CVDate", "VbCVDate", VbType::kVariant, "V"},
    {"CVErr", "VbCVErr", VbType::kVariant, "L"},
    {"Date", "VbDate", VbType::kDate, ""},
    {"DateAdd", "VbDateAdd", VbType::kDate, "SDT"},
    {"DateDiff", "VbDateDiff", VbType::kLong, "STT|II"},
    {"DatePart", "VbDatePart", VbType::kLong, "ST|II"},
    {"DateSerial", "VbDateSerial", VbType::kDate, "LLL"},
    {"DateValue", "VbDateValue", VbType::kDate, "S"},
    {"Day", "VbDay", VbType::kInteger, "T"},
    {"DeleteSetting", "VbDeleteSetting", VbType::kVoid, "S|SS"},
    {"Dir", "VbDir", VbType::kString, "|SI"},
    {"DoEvents", "VbDoEvents", VbType::kInteger, ""},
    {"Environ", "VbEnviron", VbType::kString, "V"},
    {"EOF", "VbEOF", VbType::kBoolean, "I"},
    {"Error", "VbError", VbType::kString, "|L"},
    {"Exp", "VbExp", VbType::kDouble, "D"},
    {"FileCopy", "VbFileCopy", VbType::kVoid, "SS"},
    {"FileDateTime", "VbFileDateTime", VbType::kDate, "S"},
    {"FileLen", "VbFileLen", VbType::kLong, "S"},
    {"Filter", "VbFilter", VbType::kVariant, "AS|BI"},
    {"Fix", "VbFix", VbType::kVariant, "V"},
    {"Format", "VbFormat", VbType::kString, "V|S"},
    {"FormatCurrency", "VbFormatCurrency", VbType::kString, "V|L"},
    {"FormatDateTime", "VbFormatDateTime", VbType::kString, "T|L"},
    {"FormatNumber", "VbFormatNumber", VbType::kString, "V|L"},
    {"FormatPercent", "VbFormatPercent", VbType::kString, "V|L"},
    {"FreeFile", "VbFreeFile", VbType::kInteger, "|I"},
    {"GetAttr", "VbGetAttr", VbType::kInteger, "S"},
    {"GetSetting", "VbGetSetting", VbType::kString, "SSS|S"},
    {"Hex", "VbHex", VbType::kString, "V"},
    {"Hour", "VbHour", VbType::kInteger, "T"},
    {"IIf", "VbIIf", VbType::kVariant, "BVV"},
    {"Input", "VbInput", VbType::kString, "LI"},
    {"InputBox", "VbInputBox", VbType::kString, "S|SS"},
    {"InStr", "VbInStr", VbType::kLong, "*"},
    {"InStrRev", "VbInStrRev", VbType::kLong, "SS|LI"},
    {"Int", "VbInt", VbType::kVariant, "V"},
    {"IsArray", "VbIsArray", VbType::kBoolean, "V"},
    {"IsDate", "VbIsDate", VbType::kBoolean, "V"},
    {"IsEmpty", "VbIsEmpty", VbType::kBoolean, "V"},
    {"IsError", "VbIsError", VbType::kBoolean, "V"},
    {"IsMissing", "VbIsMissing", VbType::kBoolean, "V"},
    {"IsNull", "VbIsNull", VbType::kBoolean, "V"},
    {"IsNumeric", "VbIsNumeric", VbType::kBoolean, "V"},
    {"IsObject", "VbIsObject", VbType::kBoolean, "V"},
    {"Join", "VbJoin", VbType::kString, "A|S"},
    {"Kill", "VbKill", VbType::kVoid, "S"},
    {"LCase", "VbLCase", VbType::kString, "S"},
    {"Left", "VbLeft", VbType::kString, "SL"},
    {"Len", "VbLen", VbType::kLong, "S"},
    {"LenB", "VbLenB", VbType::kLong, "S"},
    {"Loc", "VbLoc", VbType::kLong, "I"},
    {"LOF", "VbLOF", VbType::kLong, "I"},
    {"Log", "VbLog", VbType::kDouble, "D"},
    {"LTrim", "VbLTrim", VbType::kString, "S"},
    {"Mid", "VbMid", VbType::kString, "SL|L"},
    {"Minute", "VbMinute", VbType::kInteger, "T"},
    {"MkDir", "VbMkDir", VbType::kVoid, "S"},
    {"Month", "VbMonth", VbType::kInteger, "T"},
    {"MonthName", "VbMonthName", VbType::kString, "L|B"},
    {"MsgBox", "VbMsgBox", VbType::kInteger, "V|LS"},
    {"Now", "VbNow", VbType::kDate, ""},
    {"Oct", "VbOct", VbType::kString, "V"},
    {"QBColor", "VbQBColor", VbType::kLong, "I"},
    {"Randomize", "VbRandomize", VbType::kVoid, "|V"},
    {"Replace", "VbReplace", VbType::kString, "SSS|LLI"},
    {"RGB", "VbRGB", VbType::kLong, "LLL"},
    {"Right", "VbRight", VbType::kString, "SL"},
    {"RmDir", "VbRmDir", VbType::kVoid, "S"},
    {"Rnd", "VbRnd", VbType::kSingle, "|G"},
    {"Round", "VbRound", VbType::kVariant, "V|L"},
    {"RTrim", "VbRTrim", VbType::kString, "S"},
    {"SaveSetting", "VbSaveSetting", VbType::kVoid, "SSSS"},
    {"Second", "VbSecond", VbType::kInteger, "T"},
    {"SendKeys", "VbSendKeys", VbType::kVoid, "S|B"},
    {"SetAttr", "VbSetAttr", VbType::kVoid, "SI"},
    {"Sgn", "VbSgn", VbType::kInteger, "V"},
    {"Shell", "VbShell", VbType::kDouble, "S|I"},
    {"Sin", "VbSin", VbType::kDouble, "D"},
    {"Space", "VbSpace", VbType::kString, "L"},
    {"Split", "VbSplit", VbType::kVariant, "S|SLI", true},
    {"Sqr", "VbSqr", VbType::kDouble, "D"},
    {"Str", "VbStr", VbType::kString, "V"},
    {"StrComp", "VbStrComp", VbType::kInteger, "SS|I"},
    {"StrConv", "VbStrConv", VbType::kString, "SL"},
    {"String", "VbString", VbType::kString, "LV"},
    {"StrReverse", "VbStrReverse", VbType::kString, "S"},
    {"Switch", "VbSwitch", VbType::kVariant, "*"},
    {"Tan", "VbTan", VbType::kDouble, "D"},
    {"Time", "VbTime", VbType::kDate, ""},
    {"Timer", "VbTimer", VbType::kSingle, ""},
    {"TimeSerial", "VbTimeSerial", VbType::kDate, "LLL"},
    {"TimeValue", "VbTimeValue", VbType::kDate, "S"},
    {"Trim", "VbTrim", VbType::kString, "S"},
    {"TypeName", "VbTypeName", VbType::kString, "V"},
    {"UCase", "VbUCase", VbType::kString, "S"},
    {"Val", "VbVal", VbType::kDouble, "S"},
    {"VarType", "VbVarType", VbType::kInteger, "V"},
    {"Weekday", "VbWeekday", VbType::kInteger, "T|I"},
    {"WeekdayName", "VbWeekdayName", VbType::kString, "L|BI"},
    {"Year", "VbYear", VbType::kInteger, "T"},
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

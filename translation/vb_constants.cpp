#include "translation/vb_constants.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace veldrane::translation {
namespace {

// Sorted by VB name, case-insensitively; the runtime renames the four that share a name
// with a routine.
constexpr std::array<VbConstant, 123> kConstants = {{
    {"vbAbort", "vbAbort", VbType::kLong},
    {"vbAbortRetryIgnore", "vbAbortRetryIgnore", VbType::kLong},
    {"vbAlias", "vbAlias", VbType::kLong},
    {"vbApplicationModal", "vbApplicationModal", VbType::kLong},
    {"vbArchive", "vbArchive", VbType::kLong},
    {"vbArray", "vbArray", VbType::kLong},
    {"vbBack", "vbBack", VbType::kString},
    {"vbBinaryCompare", "vbBinaryCompare", VbType::kLong},
    {"vbBlack", "vbBlack", VbType::kLong},
    {"vbBlue", "vbBlue", VbType::kLong},
    {"vbBoolean", "vbBoolean", VbType::kLong},
    {"vbByte", "vbByte", VbType::kLong},
    {"vbCancel", "vbCancel", VbType::kLong},
    {"vbCr", "vbCr", VbType::kString},
    {"vbCritical", "vbCritical", VbType::kLong},
    {"vbCrLf", "vbCrLf", VbType::kString},
    {"vbCurrency", "vbCurrency", VbType::kLong},
    {"vbCyan", "vbCyan", VbType::kLong},
    {"vbDatabaseCompare", "vbDatabaseCompare", VbType::kLong},
    {"vbDataObject", "vbDataObject", VbType::kLong},
    {"vbDate", "vbDateType", VbType::kLong},
    {"vbDecimal", "vbDecimal", VbType::kLong},
    {"vbDefaultButton1", "vbDefaultButton1", VbType::kLong},
    {"vbDefaultButton2", "vbDefaultButton2", VbType::kLong},
    {"vbDefaultButton3", "vbDefaultButton3", VbType::kLong},
    {"vbDefaultButton4", "vbDefaultButton4", VbType::kLong},
    {"vbDirectory", "vbDirectory", VbType::kLong},
    {"vbDouble", "vbDouble", VbType::kLong},
    {"vbEmpty", "vbEmpty", VbType::kLong},
    {"vbError", "vbErrorType", VbType::kLong},
    {"vbExclamation", "vbExclamation", VbType::kLong},
    {"vbFalse", "vbFalse", VbType::kLong},
    {"vbFirstFourDays", "vbFirstFourDays", VbType::kLong},
    {"vbFirstFullWeek", "vbFirstFullWeek", VbType::kLong},
    {"vbFirstJan1", "vbFirstJan1", VbType::kLong},
    {"vbFormFeed", "vbFormFeed", VbType::kString},
    {"vbFriday", "vbFriday", VbType::kLong},
    {"vbFromUnicode", "vbFromUnicode", VbType::kLong},
    {"vbGeneralDate", "vbGeneralDate", VbType::kLong},
    {"vbGreen", "vbGreen", VbType::kLong},
    {"vbHidden", "vbHidden", VbType::kLong},
    {"vbHide", "vbHide", VbType::kLong},
    {"vbHiragana", "vbHiragana", VbType::kLong},
    {"vbIgnore", "vbIgnore", VbType::kLong},
    {"vbInformation", "vbInformation", VbType::kLong},
    {"vbInteger", "vbInteger", VbType::kLong},
    {"vbKatakana", "vbKatakana", VbType::kLong},
    {"vbKeyBack", "vbKeyBack", VbType::kLong},
    {"vbKeyControl", "vbKeyControl", VbType::kLong},
    {"vbKeyDelete", "vbKeyDelete", VbType::kLong},
    {"vbKeyDown", "vbKeyDown", VbType::kLong},
    {"vbKeyEscape", "vbKeyEscape", VbType::kLong},
    {"vbKeyLeft", "vbKeyLeft", VbType::kLong},
    {"vbKeyReturn", "vbKeyReturn", VbType::kLong},
    {"vbKeyRight", "vbKeyRight", VbType::kLong},
    {"vbKeyShift", "vbKeyShift", VbType::kLong},
    {"vbKeySpace", "vbKeySpace", VbType::kLong},
    {"vbKeyTab", "vbKeyTab", VbType::kLong},
    {"vbKeyUp", "vbKeyUp", VbType::kLong},
    {"vbLf", "vbLf", VbType::kString},
    {"vbLong", "vbLong", VbType::kLong},
    {"vbLongDate", "vbLongDate", VbType::kLong},
    {"vbLongTime", "vbLongTime", VbType::kLong},
    {"vbLowerCase", "vbLowerCase", VbType::kLong},
    {"vbMagenta", "vbMagenta", VbType::kLong},
    {"vbMaximizedFocus", "vbMaximizedFocus", VbType::kLong},
    {"vbMinimizedFocus", "vbMinimizedFocus", VbType::kLong},
    {"vbMinimizedNoFocus", "vbMinimizedNoFocus", VbType::kLong},
    {"vbMonday", "vbMonday", VbType::kLong},
    {"vbMsgBoxHelpButton", "vbMsgBoxHelpButton", VbType::kLong},
    {"vbMsgBoxRight", "vbMsgBoxRight", VbType::kLong},
    {"vbMsgBoxRtlReading", "vbMsgBoxRtlReading", VbType::kLong},
    {"vbMsgBoxSetForeground", "vbMsgBoxSetForeground", VbType::kLong},
    {"vbNarrow", "vbNarrow", VbType::kLong},
    {"vbNewLine", "vbNewLine", VbType::kString},
    {"vbNo", "vbNo", VbType::kLong},
    {"vbNormal", "vbNormal", VbType::kLong},
    {"vbNormalFocus", "vbNormalFocus", VbType::kLong},
    {"vbNormalNoFocus", "vbNormalNoFocus", VbType::kLong},
    {"vbNull", "vbNull", VbType::kLong},
    {"vbNullChar", "vbNullChar", VbType::kString},
    {"vbNullString", "vbNullString", VbType::kString},
    {"vbObject", "vbObject", VbType::kLong},
    {"vbObjectError", "vbObjectError", VbType::kLong},
    {"vbOK", "vbOK", VbType::kLong},
    {"vbOKCancel", "vbOKCancel", VbType::kLong},
    {"vbOKOnly", "vbOKOnly", VbType::kLong},
    {"vbProperCase", "vbProperCase", VbType::kLong},
    {"vbQuestion", "vbQuestion", VbType::kLong},
    {"vbReadOnly", "vbReadOnly", VbType::kLong},
    {"vbRed", "vbRed", VbType::kLong},
    {"vbRetry", "vbRetry", VbType::kLong},
    {"vbRetryCancel", "vbRetryCancel", VbType::kLong},
    {"vbSaturday", "vbSaturday", VbType::kLong},
    {"vbShortDate", "vbShortDate", VbType::kLong},
    {"vbShortTime", "vbShortTime", VbType::kLong},
    {"vbSingle", "vbSingle", VbType::kLong},
    {"vbString", "vbStringType", VbType::kLong},
    {"vbSunday", "vbSunday", VbType::kLong},
    {"vbSystem", "vbSystem", VbType::kLong},
    {"vbSystemModal", "vbSystemModal", VbType::kLong},
    {"vbTab", "vbTabChar", VbType::kString},
    {"vbTextCompare", "vbTextCompare", VbType::kLong},
    {"vbThursday", "vbThursday", VbType::kLong},
    {"vbTrue", "vbTrue", VbType::kLong},
    {"vbTuesday", "vbTuesday", VbType::kLong},
    {"vbUnicode", "vbUnicode", VbType::kLong},
    {"vbUpperCase", "vbUpperCase", VbType::kLong},
    {"vbUseCompareOption", "vbUseCompareOption", VbType::kLong},
    {"vbUseDefault", "vbUseDefault", VbType::kLong},
    {"vbUserDefinedType", "vbUserDefinedType", VbType::kLong},
    {"vbUseSystem", "vbUseSystem", VbType::kLong},
    {"vbUseSystemDayOfWeek", "vbUseSystemDayOfWeek", VbType::kLong},
    {"vbVariant", "vbVariant", VbType::kLong},
    {"vbVerticalTab", "vbVerticalTab", VbType::kString},
    {"vbVolume", "vbVolume", VbType::kLong},
    {"vbWednesday", "vbWednesday", VbType::kLong},
    {"vbWhite", "vbWhite", VbType::kLong},
    {"vbWide", "vbWide", VbType::kLong},
    {"vbYellow", "vbYellow", VbType::kLong},
    {"vbYes", "vbYes", VbType::kLong},
    {"vbYesNo", "vbYesNo", VbType::kLong},
    {"vbYesNoCancel", "vbYesNoCancel", VbType::kLong},
}};

bool LessFolded(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace

std::optional<VbConstant> FindVbConstant(std::string_view vb_name) {
  const auto found = std::lower_bound(
      kConstants.begin(), kConstants.end(), vb_name,
      [](const VbConstant& row, std::string_view name) { return LessFolded(row.vb_name, name); });
  if (found == kConstants.end() || LessFolded(vb_name, found->vb_name)) return std::nullopt;
  return *found;
}

}  // namespace veldrane::translation

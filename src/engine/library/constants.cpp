// The named constants every script can use (vbCrLf, vbTextCompare, vbSunday,
// vbOKCancel, vbRed, ...). Each entry builds its value on demand, because
// string values live on the heap and a static Variant would be shared by
// every engine in the process.
#include "engine/library/builtins.h"

namespace vbs {

namespace {

template <int16_t N> Variant integerValue() { return Variant::integer(N); }
template <int32_t N> Variant longValue() { return Variant::long_(N); }

Variant textValue(std::u16string_view s) { return Variant::string(std::u16string(s)); }
Variant crValue() { return textValue(u"\r"); }
Variant lfValue() { return textValue(u"\n"); }
Variant crLfValue() { return textValue(u"\r\n"); }
Variant tabValue() { return textValue(u"\t"); }
Variant nullCharValue() { return textValue(std::u16string_view(u"\0", 1)); }
Variant nullStringValue() { return textValue(u""); }
Variant formFeedValue() { return textValue(u"\f"); }
Variant verticalTabValue() { return textValue(u"\v"); }

// VBScript's colour values are BGR: red is the low byte.
constexpr int32_t kRed = 0x0000FF;
constexpr int32_t kGreen = 0x00FF00;
constexpr int32_t kBlue = 0xFF0000;

const ConstantInfo kConstants[] = {
    // Text.
    {u"vbCr", crValue},
    {u"vbLf", lfValue},
    {u"vbCrLf", crLfValue},
    {u"vbNewLine", crLfValue},
    {u"vbTab", tabValue},
    {u"vbNullChar", nullCharValue},
    {u"vbNullString", nullStringValue},
    {u"vbFormFeed", formFeedValue},
    {u"vbVerticalTab", verticalTabValue},
    // Tristate and comparison modes.
    {u"vbTrue", integerValue<-1>},
    {u"vbFalse", integerValue<0>},
    {u"vbUseDefault", integerValue<-2>},
    {u"vbBinaryCompare", integerValue<0>},
    {u"vbTextCompare", integerValue<1>},
    {u"vbDatabaseCompare", integerValue<2>},
    // VarType codes.
    {u"vbEmpty", integerValue<0>},
    {u"vbNull", integerValue<1>},
    {u"vbInteger", integerValue<2>},
    {u"vbLong", integerValue<3>},
    {u"vbSingle", integerValue<4>},
    {u"vbDouble", integerValue<5>},
    {u"vbCurrency", integerValue<6>},
    {u"vbDate", integerValue<7>},
    {u"vbString", integerValue<8>},
    {u"vbObject", integerValue<9>},
    {u"vbError", integerValue<10>},
    {u"vbBoolean", integerValue<11>},
    {u"vbVariant", integerValue<12>},
    {u"vbDataObject", integerValue<13>},
    {u"vbDecimal", integerValue<14>},
    {u"vbByte", integerValue<17>},
    {u"vbArray", integerValue<8192>},
    // Days of the week and the first week of the year.
    {u"vbUseSystemDayOfWeek", integerValue<0>},
    {u"vbSunday", integerValue<1>},
    {u"vbMonday", integerValue<2>},
    {u"vbTuesday", integerValue<3>},
    {u"vbWednesday", integerValue<4>},
    {u"vbThursday", integerValue<5>},
    {u"vbFriday", integerValue<6>},
    {u"vbSaturday", integerValue<7>},
    {u"vbUseSystem", integerValue<0>},
    {u"vbFirstJan1", integerValue<1>},
    {u"vbFirstFourDays", integerValue<2>},
    {u"vbFirstFullWeek", integerValue<3>},
    // FormatDateTime formats.
    {u"vbGeneralDate", integerValue<0>},
    {u"vbLongDate", integerValue<1>},
    {u"vbShortDate", integerValue<2>},
    {u"vbLongTime", integerValue<3>},
    {u"vbShortTime", integerValue<4>},
    // MsgBox buttons, icons, defaults, modality and answers.
    {u"vbOKOnly", integerValue<0>},
    {u"vbOKCancel", integerValue<1>},
    {u"vbAbortRetryIgnore", integerValue<2>},
    {u"vbYesNoCancel", integerValue<3>},
    {u"vbYesNo", integerValue<4>},
    {u"vbRetryCancel", integerValue<5>},
    {u"vbCritical", integerValue<16>},
    {u"vbQuestion", integerValue<32>},
    {u"vbExclamation", integerValue<48>},
    {u"vbInformation", integerValue<64>},
    {u"vbDefaultButton1", integerValue<0>},
    {u"vbDefaultButton2", integerValue<256>},
    {u"vbDefaultButton3", integerValue<512>},
    {u"vbDefaultButton4", integerValue<768>},
    {u"vbApplicationModal", integerValue<0>},
    {u"vbSystemModal", integerValue<4096>},
    {u"vbMsgBoxHelpButton", longValue<16384>},  // a Long, like the rest of the vbMsgBox group
    {u"vbMsgBoxSetForeground", longValue<65536>},
    {u"vbMsgBoxRight", longValue<524288>},
    {u"vbMsgBoxRtlReading", longValue<1048576>},
    {u"vbOK", integerValue<1>},
    {u"vbCancel", integerValue<2>},
    {u"vbAbort", integerValue<3>},
    {u"vbRetry", integerValue<4>},
    {u"vbIgnore", integerValue<5>},
    {u"vbYes", integerValue<6>},
    {u"vbNo", integerValue<7>},
    // Colours.
    {u"vbBlack", longValue<0>},
    {u"vbRed", longValue<kRed>},
    {u"vbGreen", longValue<kGreen>},
    {u"vbYellow", longValue<kRed | kGreen>},
    {u"vbBlue", longValue<kBlue>},
    {u"vbMagenta", longValue<kRed | kBlue>},
    {u"vbCyan", longValue<kGreen | kBlue>},
    {u"vbWhite", longValue<kRed | kGreen | kBlue>},
    // Base of the error numbers scripts raise for their own errors.
    {u"vbObjectError", longValue<-2147221504>},
};

}  // namespace

std::span<const ConstantInfo> builtinConstants() { return kConstants; }

}  // namespace vbs

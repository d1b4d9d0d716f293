// The catalog of built-ins shown while typing: one row per name a script can
// use without declaring it. Argument lists use the usual notation, optional
// arguments in brackets; they agree with the argument counts the function
// tables accept (the catalog test compares them).
#include "engine/builtin_catalog.h"

#include <string>
#include <unordered_map>

#include "engine/object.h"

namespace vbs {

namespace {

constexpr CatalogEntry function(std::u16string_view name, std::u16string_view arguments,
                                std::u16string_view description) {
    return {name, arguments, description, CatalogKind::Function};
}

constexpr CatalogEntry constant(std::u16string_view name, std::u16string_view description) {
    return {name, u"", description, CatalogKind::Constant};
}

constexpr CatalogEntry object(std::u16string_view name, std::u16string_view description) {
    return {name, u"", description, CatalogKind::Object};
}

constexpr CatalogEntry component(std::u16string_view name, std::u16string_view description) {
    return {name, u"", description, CatalogKind::Class};
}

constexpr CatalogEntry kEntries[] = {
    // ---- Maths ----------------------------------------------------------------
    function(u"Abs", u"(number)", u"Absolute value of a number"),
    function(u"Atn", u"(number)", u"Arctangent of a number, in radians"),
    function(u"Cos", u"(number)", u"Cosine of an angle given in radians"),
    function(u"Exp", u"(number)", u"e raised to the given power"),
    function(u"Fix", u"(number)", u"Integer part of a number, dropping the fraction towards zero"),
    function(u"Hex", u"(number)", u"Hexadecimal digits of a whole number, as text"),
    function(u"Int", u"(number)", u"Largest whole number not greater than the number (rounds down)"),
    function(u"Log", u"(number)", u"Natural logarithm of a positive number"),
    function(u"Oct", u"(number)", u"Octal digits of a whole number, as text"),
    function(u"Randomize", u"([number])", u"Seeds the random number generator, from the clock if no number is given"),
    function(u"Rnd", u"([number])", u"Random number from 0 up to but not including 1"),
    function(u"Round", u"(expression[, numdecimalplaces])",
             u"Rounds to the given number of decimal places, halves to the even neighbour"),
    function(u"Sgn", u"(number)", u"Sign of a number: -1, 0 or 1"),
    function(u"Sin", u"(number)", u"Sine of an angle given in radians"),
    function(u"Sqr", u"(number)", u"Square root of a number"),
    function(u"Tan", u"(number)", u"Tangent of an angle given in radians"),

    // ---- About the engine and its locale ---------------------------------------
    function(u"GetLocale", u"()", u"Locale identifier (LCID) the script currently formats and reads with"),
    function(u"RGB", u"(red, green, blue)", u"Colour number made of red, green and blue parts from 0 to 255"),
    function(u"ScriptEngine", u"()", u"Name of the scripting language being run"),
    function(u"ScriptEngineBuildVersion", u"()", u"Build number of the scripting engine"),
    function(u"ScriptEngineMajorVersion", u"()", u"Major version number of the scripting engine"),
    function(u"ScriptEngineMinorVersion", u"()", u"Minor version number of the scripting engine"),
    function(u"SetLocale", u"([lcid])",
             u"Chooses the locale for numbers, dates and names, and returns the previous one"),

    // ---- Conversions and questions about values --------------------------------
    function(u"CBool", u"(expression)", u"Converts a value to Boolean (True or False)"),
    function(u"CByte", u"(expression)", u"Converts a value to a Byte, a whole number from 0 to 255"),
    function(u"CCur", u"(expression)", u"Converts a value to Currency, a number with four fixed decimals"),
    function(u"CDate", u"(date)", u"Converts a number or text to a Date"),
    function(u"CDbl", u"(expression)", u"Converts a value to a Double, a double-precision floating-point number"),
    function(u"CInt", u"(expression)",
             u"Converts a value to an Integer from -32,768 to 32,767, rounding halves to even"),
    function(u"CLng", u"(expression)", u"Converts a value to a Long, a 32-bit whole number, rounding halves to even"),
    function(u"CSng", u"(expression)", u"Converts a value to a Single, a single-precision floating-point number"),
    function(u"CStr", u"(expression)", u"Converts a value to text"),
    function(u"IsDate", u"(expression)", u"True if the value is a date or can be read as one"),
    function(u"IsNumeric", u"(expression)", u"True if the value is a number or can be read as one"),
    function(u"IsArray", u"(varname)", u"True if the variable holds an array"),
    function(u"IsEmpty", u"(expression)", u"True if the variable has not been given a value yet"),
    function(u"IsNull", u"(expression)", u"True if the value is Null"),
    function(u"IsObject", u"(expression)", u"True if the value is an object reference (Nothing included)"),
    function(u"TypeName", u"(varname)", u"Name of the value's subtype or class, such as \"Integer\" or \"String\""),
    function(u"VarType", u"(varname)", u"Number of the value's subtype (see the vbInteger, vbString... constants)"),

    // ---- Arrays ----------------------------------------------------------------
    function(u"Array", u"([arglist])", u"Makes an array of the values given, counted from 0"),
    function(u"Filter", u"(inputstrings, value[, include[, compare]])",
             u"Array of the texts that contain (or, with include False, lack) the value"),
    function(u"Join", u"(list[, delimiter])", u"Joins the texts of an array into one, with a space or the delimiter"),
    function(u"LBound", u"(arrayname[, dimension])", u"Lowest index of an array's dimension (always 0)"),
    function(u"Split", u"(expression[, delimiter[, count[, compare]]])",
             u"Splits text into an array of pieces at a space or the delimiter"),
    function(u"UBound", u"(arrayname[, dimension])", u"Highest index of an array's dimension"),

    // ---- Text ------------------------------------------------------------------
    function(u"Asc", u"(string)", u"Character code of the first character in the current code page"),
    function(u"AscB", u"(string)", u"Value of the first byte of the text"),
    function(u"AscW", u"(string)", u"Unicode code of the first character"),
    function(u"Chr", u"(charcode)", u"Character with the given code in the current code page"),
    function(u"ChrB", u"(charcode)", u"One-byte text holding the given byte"),
    function(u"ChrW", u"(charcode)", u"Character with the given Unicode code"),
    function(u"Escape", u"(charstring)",
             u"Encodes text for a URL: all but letters, digits and @*_+-./ become %XX or %uXXXX"),
    function(u"InStr", u"([start, ]string1, string2[, compare])",
             u"Position of the first occurrence of string2 in string1, 0 if absent"),
    function(u"InStrB", u"([start, ]string1, string2[, compare])",
             u"Byte position of the first occurrence of string2 in string1, 0 if absent"),
    function(u"InStrRev", u"(string1, string2[, start[, compare]])",
             u"Position of the last occurrence of string2 in string1, searching from the end"),
    function(u"LCase", u"(string)", u"Text in lower case"),
    function(u"Left", u"(string, length)", u"The given number of characters from the start of the text"),
    function(u"LeftB", u"(string, length)", u"The given number of bytes from the start of the text"),
    function(u"Len", u"(string)", u"Number of characters in the text"),
    function(u"LenB", u"(string)", u"Number of bytes the text takes"),
    function(u"LTrim", u"(string)", u"Text without its leading spaces"),
    function(u"Mid", u"(string, start[, length])", u"Part of the text from a position, to the end or of a length"),
    function(u"MidB", u"(string, start[, length])", u"Part of the text counted in bytes from a byte position"),
    function(u"Replace", u"(expression, find, replacewith[, start[, count[, compare]]])",
             u"Text with occurrences of find replaced by replacewith"),
    function(u"Right", u"(string, length)", u"The given number of characters from the end of the text"),
    function(u"RightB", u"(string, length)", u"The given number of bytes from the end of the text"),
    function(u"RTrim", u"(string)", u"Text without its trailing spaces"),
    function(u"Space", u"(number)", u"Text of the given number of spaces"),
    function(u"StrComp", u"(string1, string2[, compare])",
             u"Compares two texts: -1 if the first sorts before, 0 if equal, 1 if after"),
    function(u"String", u"(number, character)", u"Text repeating one character the given number of times"),
    function(u"StrReverse", u"(string)", u"Text with its characters in reverse order"),
    function(u"Trim", u"(string)", u"Text without its leading and trailing spaces"),
    function(u"UCase", u"(string)", u"Text in upper case"),
    function(u"Unescape", u"(charstring)", u"Decodes %XX and %uXXXX sequences made by Escape"),

    // ---- Formatting ------------------------------------------------------------
    function(u"FormatCurrency",
             u"(expression[, numdigitsafterdecimal[, includeleadingdigit[, useparensfornegativenumbers[, "
             u"groupdigits]]]])",
             u"Number written as money with the locale's currency symbol"),
    function(u"FormatDateTime", u"(date[, namedformat])",
             u"Date or time written in a named format (vbLongDate, vbShortTime...)"),
    function(u"FormatNumber",
             u"(expression[, numdigitsafterdecimal[, includeleadingdigit[, useparensfornegativenumbers[, "
             u"groupdigits]]]])",
             u"Number written with a fixed count of decimals and, optionally, digit grouping"),
    function(u"FormatPercent",
             u"(expression[, numdigitsafterdecimal[, includeleadingdigit[, useparensfornegativenumbers[, "
             u"groupdigits]]]])",
             u"Number multiplied by 100 and written with a percent sign"),

    // ---- Dates and times -------------------------------------------------------
    function(u"Date", u"()", u"Today's date"),
    function(u"DateAdd", u"(interval, number, date)",
             u"Date moved by a number of intervals (\"yyyy\", \"m\", \"d\", \"h\", \"n\", \"s\"...)"),
    function(u"DateDiff", u"(interval, date1, date2[, firstdayofweek[, firstweekofyear]])",
             u"Number of intervals between two dates"),
    function(u"DatePart", u"(interval, date[, firstdayofweek[, firstweekofyear]])",
             u"One part of a date, such as its quarter, week or hour"),
    function(u"DateSerial", u"(year, month, day)", u"Date made of a year, a month and a day"),
    function(u"DateValue", u"(date)", u"Date part of a date or of text that reads as one"),
    function(u"Day", u"(date)", u"Day of the month, 1 to 31"),
    function(u"Hour", u"(time)", u"Hour of the day, 0 to 23"),
    function(u"Minute", u"(time)", u"Minute of the hour, 0 to 59"),
    function(u"Month", u"(date)", u"Month of the year, 1 to 12"),
    function(u"MonthName", u"(month[, abbreviate])", u"Name of a month (1 to 12), optionally abbreviated"),
    function(u"Now", u"()", u"Current date and time"),
    function(u"Second", u"(time)", u"Second of the minute, 0 to 59"),
    function(u"Time", u"()", u"Current time of day"),
    function(u"Timer", u"()", u"Seconds elapsed since midnight, with fractions"),
    function(u"TimeSerial", u"(hour, minute, second)", u"Time made of an hour, a minute and a second"),
    function(u"TimeValue", u"(time)", u"Time part of a date or of text that reads as one"),
    function(u"Weekday", u"(date[, firstdayofweek])", u"Day of the week, 1 to 7 (1 is Sunday unless told otherwise)"),
    function(u"WeekdayName", u"(weekday[, abbreviate[, firstdayofweek]])",
             u"Name of a day of the week, optionally abbreviated"),
    function(u"Year", u"(date)", u"Year of a date"),

    // ---- Running code, objects and dialogs -------------------------------------
    function(u"CreateObject", u"(progid[, servername])", u"Makes an object of a component named by its ProgID"),
    function(u"Eval", u"(expression)", u"Value of an expression given as text"),
    function(u"Execute", u"(statement)", u"Runs statements given as text in the current scope"),
    function(u"ExecuteGlobal", u"(statement)", u"Runs statements given as text at script level"),
    function(u"GetObject", u"([pathname][, class])", u"Object of a running component or file (none can be reached)"),
    function(u"GetRef", u"(procname)", u"Reference to a Sub or Function, to be called later"),
    function(u"InputBox", u"(prompt[, title][, default][, xpos][, ypos][, helpfile, context])",
             u"Asks for a line of text; returns it, or empty text if cancelled"),
    function(u"MsgBox", u"(prompt[, buttons][, title][, helpfile, context])",
             u"Shows a message and returns the button pressed (vbOK, vbYes...)"),

    // ---- Constants: text -------------------------------------------------------
    constant(u"vbCr", u"Carriage return character, Chr(13)"),
    constant(u"vbLf", u"Line feed character, Chr(10)"),
    constant(u"vbCrLf", u"Carriage return and line feed, Chr(13) & Chr(10)"),
    constant(u"vbNewLine", u"Line break: carriage return and line feed"),
    constant(u"vbTab", u"Tab character, Chr(9)"),
    constant(u"vbNullChar", u"Character with code 0"),
    constant(u"vbNullString", u"Empty text"),
    constant(u"vbFormFeed", u"Form feed character, Chr(12)"),
    constant(u"vbVerticalTab", u"Vertical tab character, Chr(11)"),

    // ---- Constants: tristate and comparison ------------------------------------
    constant(u"vbTrue", u"-1, true for arguments that take a tristate"),
    constant(u"vbFalse", u"0, false for arguments that take a tristate"),
    constant(u"vbUseDefault", u"-2, the locale's default for arguments that take a tristate"),
    constant(u"vbBinaryCompare", u"0, compare texts exactly, case included"),
    constant(u"vbTextCompare", u"1, compare texts without regard to case"),
    constant(u"vbDatabaseCompare", u"2, compare as a database would"),

    // ---- Constants: VarType codes ----------------------------------------------
    constant(u"vbEmpty", u"0, VarType of an uninitialised value"),
    constant(u"vbNull", u"1, VarType of Null"),
    constant(u"vbInteger", u"2, VarType of an Integer"),
    constant(u"vbLong", u"3, VarType of a Long"),
    constant(u"vbSingle", u"4, VarType of a Single"),
    constant(u"vbDouble", u"5, VarType of a Double"),
    constant(u"vbCurrency", u"6, VarType of a Currency"),
    constant(u"vbDate", u"7, VarType of a Date"),
    constant(u"vbString", u"8, VarType of text"),
    constant(u"vbObject", u"9, VarType of an object"),
    constant(u"vbError", u"10, VarType of an error value"),
    constant(u"vbBoolean", u"11, VarType of a Boolean"),
    constant(u"vbVariant", u"12, VarType of a Variant (in arrays of Variants)"),
    constant(u"vbDataObject", u"13, VarType of a data access object"),
    constant(u"vbDecimal", u"14, VarType of a Decimal"),
    constant(u"vbByte", u"17, VarType of a Byte"),
    constant(u"vbArray", u"8192, added to the element type's VarType for an array"),

    // ---- Constants: days and weeks ---------------------------------------------
    constant(u"vbUseSystemDayOfWeek", u"0, the system's first day of the week"),
    constant(u"vbSunday", u"1, Sunday"),
    constant(u"vbMonday", u"2, Monday"),
    constant(u"vbTuesday", u"3, Tuesday"),
    constant(u"vbWednesday", u"4, Wednesday"),
    constant(u"vbThursday", u"5, Thursday"),
    constant(u"vbFriday", u"6, Friday"),
    constant(u"vbSaturday", u"7, Saturday"),
    constant(u"vbUseSystem", u"0, the system's rule for the first week of the year"),
    constant(u"vbFirstJan1", u"1, the first week of the year is the one with 1 January"),
    constant(u"vbFirstFourDays", u"2, the first week of the year is the first with at least four days"),
    constant(u"vbFirstFullWeek", u"3, the first week of the year is the first full week"),

    // ---- Constants: FormatDateTime formats -------------------------------------
    constant(u"vbGeneralDate", u"0, date and/or time in the short format"),
    constant(u"vbLongDate", u"1, date in the locale's long format"),
    constant(u"vbShortDate", u"2, date in the locale's short format"),
    constant(u"vbLongTime", u"3, time with hours, minutes and seconds"),
    constant(u"vbShortTime", u"4, time as 24-hour hh:mm"),

    // ---- Constants: MsgBox buttons, icons and answers --------------------------
    constant(u"vbOKOnly", u"0, MsgBox with an OK button only"),
    constant(u"vbOKCancel", u"1, MsgBox with OK and Cancel buttons"),
    constant(u"vbAbortRetryIgnore", u"2, MsgBox with Abort, Retry and Ignore buttons"),
    constant(u"vbYesNoCancel", u"3, MsgBox with Yes, No and Cancel buttons"),
    constant(u"vbYesNo", u"4, MsgBox with Yes and No buttons"),
    constant(u"vbRetryCancel", u"5, MsgBox with Retry and Cancel buttons"),
    constant(u"vbCritical", u"16, MsgBox with the critical-error icon"),
    constant(u"vbQuestion", u"32, MsgBox with the question icon"),
    constant(u"vbExclamation", u"48, MsgBox with the warning icon"),
    constant(u"vbInformation", u"64, MsgBox with the information icon"),
    constant(u"vbDefaultButton1", u"0, MsgBox's first button is the default"),
    constant(u"vbDefaultButton2", u"256, MsgBox's second button is the default"),
    constant(u"vbDefaultButton3", u"512, MsgBox's third button is the default"),
    constant(u"vbDefaultButton4", u"768, MsgBox's fourth button is the default"),
    constant(u"vbApplicationModal", u"0, MsgBox waits for an answer before the application goes on"),
    constant(u"vbSystemModal", u"4096, MsgBox stays above every other window"),
    constant(u"vbMsgBoxHelpButton", u"16384, MsgBox with a Help button"),
    constant(u"vbMsgBoxSetForeground", u"65536, MsgBox is brought to the foreground"),
    constant(u"vbMsgBoxRight", u"524288, MsgBox text aligned to the right"),
    constant(u"vbMsgBoxRtlReading", u"1048576, MsgBox text read right to left"),
    constant(u"vbOK", u"1, MsgBox answer: OK"),
    constant(u"vbCancel", u"2, MsgBox answer: Cancel"),
    constant(u"vbAbort", u"3, MsgBox answer: Abort"),
    constant(u"vbRetry", u"4, MsgBox answer: Retry"),
    constant(u"vbIgnore", u"5, MsgBox answer: Ignore"),
    constant(u"vbYes", u"6, MsgBox answer: Yes"),
    constant(u"vbNo", u"7, MsgBox answer: No"),

    // ---- Constants: colours ----------------------------------------------------
    constant(u"vbBlack", u"Colour black, &H000000"),
    constant(u"vbRed", u"Colour red, &H0000FF"),
    constant(u"vbGreen", u"Colour green, &H00FF00"),
    constant(u"vbYellow", u"Colour yellow, &H00FFFF"),
    constant(u"vbBlue", u"Colour blue, &HFF0000"),
    constant(u"vbMagenta", u"Colour magenta, &HFF00FF"),
    constant(u"vbCyan", u"Colour cyan, &HFFFF00"),
    constant(u"vbWhite", u"Colour white, &HFFFFFF"),

    // ---- Constants: errors -----------------------------------------------------
    constant(u"vbObjectError", u"Base added to the numbers of a script's own errors in Err.Raise"),

    // ---- Classes and components ------------------------------------------------
    component(u"RegExp", u"Regular expression: Set re = New RegExp, then Pattern, Test, Execute, Replace"),
    component(u"VBScript.RegExp", u"ProgID of the regular expression object, for CreateObject"),
    component(u"Scripting.Dictionary",
              u"ProgID of a collection of values stored under unique keys (Add, Item, Exists, Keys...)"),

    // ---- Objects ---------------------------------------------------------------
    object(u"Err", u"The last run-time error: Number, Description, Source; Clear and Raise"),
};

using CatalogIndex = std::unordered_map<std::u16string, const CatalogEntry*>;

// Help is looked up at every keystroke: index the names once.
const CatalogIndex& catalogIndex() {
    static const CatalogIndex index = [] {
        CatalogIndex map;
        for (const CatalogEntry& entry : kEntries) map.emplace(foldName(entry.name), &entry);
        return map;
    }();
    return index;
}

}  // namespace

std::span<const CatalogEntry> BuiltinCatalog() { return kEntries; }

const CatalogEntry* FindCatalogEntry(std::u16string_view name) {
    const CatalogIndex& index = catalogIndex();
    auto it = index.find(foldName(name));
    return it == index.end() ? nullptr : it->second;
}

}  // namespace vbs

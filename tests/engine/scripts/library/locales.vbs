' SetLocale takes an LCID as a number or a text, or a tag; it answers the
' locale it replaces, and what scripts write follows the new one. What the
' host prints (WScript.Echo of a number) stays in English (US).
WScript.Echo GetLocale(), SetLocale(1031), GetLocale(), SetLocale("1036"), SetLocale("en-GB"), SetLocale("de")
'> 1033 1033 1031 1031 1036 2057
d = DateSerial(2020, 1, 2) + TimeSerial(13, 45, 7)
WScript.Echo CStr(1.5), "x" & 2.25, CStr(CCur(-3.5)), CStr(CSng(0.25)), CStr(1E-05 * 1.5), 1.5
'> 1,5 x2,25 -3,5 0,25 1,5E-05 1.5
WScript.Echo CStr(d), CStr(DateSerial(2020, 1, 2)), CStr(TimeSerial(0, 5, 0))
'> 02.01.2020 13:45:07 02.01.2020 00:05:00
WScript.Echo FormatNumber(1234567.891), FormatNumber(-0.5, 1, 0), FormatPercent(0.1234), FormatCurrency(1234.5)
'> 1.234.567,89 -,5 12,34% 1.234,50 €
WScript.Echo FormatCurrency(-3), FormatCurrency(-3, , , True), FormatDateTime(d, vbLongDate), FormatDateTime(d, vbShortTime)
'> -3,00 € (3,00 €) Donnerstag, 2. Januar 2020 13:45
WScript.Echo MonthName(3), MonthName(12, True), WeekdayName(1), WeekdayName(7, True)
'> März Dez Sonntag Sa
' Texts are read in the locale too: "," is the decimal separator, "." groups,
' dates are day first and may use month names of either language.
WScript.Echo CDbl("1,5"), CDbl("1.234,5"), "2,5" * 2, IsNumeric("1,5"), CStr("3,5" = 3.5)
'> 1.5 1234.5 5 True True
WScript.Echo CDate("2.1.2020") = DateSerial(2020, 1, 2), IsDate("3. März 2020"), Month(CDate("1 March 2020"))
'> True True 3
' Date literals are read the same way in every locale.
WScript.Echo Month(#2/1/2020#)
'> 2

x = SetLocale("en-us")
WScript.Echo CStr(1.5), CStr(d), FormatCurrency(-3), FormatCurrency(-3, , , False), FormatDateTime(d, 1)
'> 1.5 1/2/2020 1:45:07 PM ($3.00) -$3.00 Thursday, January 2, 2020
x = SetLocale(2057)
WScript.Echo CStr(d), FormatCurrency(-3), FormatDateTime(d, 1), Day(CDate("2/1/2020"))
'> 02/01/2020 13:45:07 -£3.00 02 January 2020 2
x = SetLocale("fr-fr")
WScript.Echo FormatNumber(1234.5) = "1" & ChrW(160) & "234,50", FormatDateTime(d, 1), MonthName(2), CStr(d)
'> True jeudi 2 janvier 2020 février 02/01/2020 13:45:07
x = SetLocale("sv")
WScript.Echo CStr(d), FormatDateTime(d, 1), FormatCurrency(2), CDate("2020-01-02") = DateSerial(2020, 1, 2)
'> 2020-01-02 13:45:07 den 2 januari 2020 2,00 kr True
' 0 and no argument go back to the default.
WScript.Echo SetLocale(0), SetLocale(1031), SetLocale(), GetLocale()
'> 1053 1033 1031 1033
' Japanese writes numbers as English (US) does.
x = SetLocale(1041)
WScript.Echo GetLocale(), FormatNumber(1234567.891), FormatPercent(0.1234), CStr(1.5), CStr(DateSerial(2020, 1, 2))
'> 1041 1,234,567.89 12.34% 1.5 2020/01/02
' The yen has no decimals; asked for, it gets them.
WScript.Echo FormatCurrency(1234.5) = ChrW(165) & "1,235", FormatCurrency(-2, 1) = "-" & ChrW(165) & "2.0"
'> True True
x = SetLocale(1033)

' A locale whose conventions the engine does not carry is refused and
' changes nothing.
On Error Resume Next
x = SetLocale(99999) : WScript.Echo "number", Err.Number, GetLocale() : Err.Clear
'> number 447 1033
x = SetLocale("xx-yy") : WScript.Echo "tag", Err.Number, GetLocale() : Err.Clear
'> tag 5 1033
x = SetLocale(Null) : WScript.Echo "Null", Err.Number : Err.Clear
'> Null 94

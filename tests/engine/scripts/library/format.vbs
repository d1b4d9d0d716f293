' The Format* functions, always in English (US) form.
WScript.Echo FormatNumber(1234567.891), FormatNumber(1234.5, 0), FormatNumber(0.5, 2, 0)
'> 1,234,567.89 1,235 .50
WScript.Echo FormatNumber(-1234.5, 2, , True), FormatNumber(1234.5, 2, , , 0), FormatNumber(-0.5, 0)
'> (1,234.50) 1234.50 -1
WScript.Echo FormatCurrency(1234.5), FormatCurrency(-1234.5), FormatPercent(0.1234), FormatPercent(1)
'> $1,234.50 ($1,234.50) 12.34% 100.00%
d = #1/2/2020 1:45:00 PM#
WScript.Echo FormatDateTime(d)
'> 1/2/2020 1:45:00 PM
WScript.Echo FormatDateTime(d, vbLongDate)
'> Thursday, January 2, 2020
WScript.Echo FormatDateTime(d, vbShortDate), FormatDateTime(d, vbLongTime), FormatDateTime(d, vbShortTime)
'> 1/2/2020 1:45:00 PM 13:45
' SetLocale changes what GetLocale answers and how numbers look.
old = SetLocale("de-de")
WScript.Echo old, GetLocale(), FormatNumber(1234.5)
'> 1033 1031 1.234,50
x = SetLocale(old)

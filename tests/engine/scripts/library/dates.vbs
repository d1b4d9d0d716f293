' Date built-ins on fixed dates (the clock functions are tested in C++,
' where the clock can be fixed).
d = #1/2/2020 1:45:30 PM#
WScript.Echo Year(d), Month(d), Day(d), Hour(d), Minute(d), Second(d), Weekday(d), Weekday(d, vbMonday)
'> 2020 1 2 13 45 30 5 4
WScript.Echo DateAdd("m", 1, #1/31/2020#), DateAdd("m", 1, #1/31/2021#), DateAdd("yyyy", 1, #2/29/2020#)
'> 2/29/2020 2/28/2021 2/28/2021
WScript.Echo DateAdd("d", -1, #1/1/2020#), DateAdd("h", 12, #1/1/2020#), DateAdd("ww", 1, #1/1/2020#)
'> 12/31/2019 1/1/2020 12:00:00 PM 1/8/2020
WScript.Echo DateDiff("yyyy", #12/31/2019#, #1/1/2020#), DateDiff("d", #1/1/2020#, #3/1/2020#), DateDiff("m", #3/1/2020#, #1/31/2020#)
'> 1 60 -2
WScript.Echo DateDiff("ww", #1/1/2020#, #1/5/2020#), DateDiff("w", #1/1/2020#, #1/15/2020#), DateDiff("n", #1/1/2020#, #1/1/2020 1:30 AM#)
'> 1 2 90
WScript.Echo DatePart("q", d), DatePart("y", d), DatePart("ww", #1/5/2020#), DatePart("ww", #1/3/2021#, vbMonday, vbFirstFourDays)
'> 1 2 2 53
WScript.Echo DateSerial(2020, 2, 30), DateSerial(2020, 13, 1), DateSerial(99, 1, 1), TimeSerial(25, 61, 61)
'> 3/1/2020 1/1/2021 1/1/1999 12/31/1899 2:02:01 AM
WScript.Echo DateValue("January 2, 2020"), TimeValue("1:45 PM"), TypeName(DateValue("1/2/2020"))
'> 1/2/2020 1:45:00 PM Date
WScript.Echo MonthName(1), MonthName(9, True), WeekdayName(1), WeekdayName(7, True), WeekdayName(1, False, vbMonday)
'> January Sep Sunday Sat Monday
WScript.Echo TypeName(Now), TypeName(Date), TypeName(Time), TypeName(Timer), Now >= Date
'> Date Date Date Single True

On Error Resume Next
x = DateAdd("x", 1, d) : WScript.Echo "DateAdd", Err.Number : Err.Clear
'> DateAdd 5
x = MonthName(13) : WScript.Echo "MonthName", Err.Number : Err.Clear
'> MonthName 5
x = DateValue("no date") : WScript.Echo "DateValue", Err.Number : Err.Clear
'> DateValue 13

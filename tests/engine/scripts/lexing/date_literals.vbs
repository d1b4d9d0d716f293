' #...# is a Date literal, month first, with or without a time.
d = #1/2/2003#
WScript.Echo TypeName(d), Year(d), Month(d), Day(d)
'> Date 2003 1 2
WScript.Echo CStr(#2020-01-02 13:45:00#)
'> 1/2/2020 1:45:00 PM
WScript.Echo CDbl(#1/2/2020#)
'> 43832
WScript.Echo CStr(#12:00:00 AM#), CStr(#1/1/2000 12:00:00 AM#)
'> 12:00:00 AM 1/1/2000
WScript.Echo CDbl(#12/31/1899 12:00:00 PM#)
'> 1.5
WScript.Echo Hour(#3:04:05 PM#), Minute(#3:04:05 PM#), Second(#3:04:05 PM#)
'> 15 4 5
' Date arithmetic: adding a number adds days.
WScript.Echo CStr(#2/28/2020# + 1)
'> 2/29/2020

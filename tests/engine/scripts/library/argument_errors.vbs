' Arguments the built-ins refuse, and the error each gives.
On Error Resume Next
s = "abcdef"
r = Mid(s, 2, ) : WScript.Echo "Mid", Err.Number : Err.Clear
'> Mid 94
r = Mid(s, 0, ) : WScript.Echo "Mid 0", Err.Number : Err.Clear
'> Mid 0 94
r = Mid(s, 3) : WScript.Echo r, Err.Number
'> cdef 0
r = Join(Array(1, Null)) : WScript.Echo "Join Null", Err.Number : Err.Clear
'> Join Null 13
Dim grid(1, 1)
r = Join(grid) : WScript.Echo "Join 2D", Err.Number : Err.Clear
'> Join 2D 13
Err.Raise &h10000& : WScript.Echo "Raise", Err.Number : Err.Clear
'> Raise 5
Err.Raise 65535 : WScript.Echo "Raise max", Err.Number : Err.Clear
'> Raise max 65535
r = MonthName("a", Null) : WScript.Echo "MonthName", Err.Number : Err.Clear
'> MonthName 94
x = Randomize(0) : WScript.Echo "Randomize", Err.Number, IsEmpty(x) : Err.Clear
'> Randomize 13 True
Randomize 0 : WScript.Echo "statement", Err.Number
'> statement 0
r = Escape(Null) : WScript.Echo "Escape", Err.Number : Err.Clear
'> Escape 94
r = Unescape(Null) : WScript.Echo "Unescape", Err.Number : Err.Clear
'> Unescape 94
r = DateValue(Null) : WScript.Echo "DateValue", Err.Number : Err.Clear
'> DateValue 94
r = DateValue(44000) : WScript.Echo "DateValue number", Err.Number : Err.Clear
'> DateValue number 13
WScript.Echo DateValue("2020-01-02") = DateSerial(2020, 1, 2), DateValue(#1/2/2020 10:00#) = #1/2/2020#
'> True True
r = TimeValue(Null) : WScript.Echo "TimeValue", Err.Number : Err.Clear
'> TimeValue 94
' With a start given, a Null text is an error; without one it gives Null.
r = InStrRev("abcd", Null, 2, 0) : WScript.Echo "InStrRev", Err.Number : Err.Clear
'> InStrRev 94
r = InStrRev(Null, "abcd", 2, 0) : WScript.Echo "InStrRev", Err.Number : Err.Clear
'> InStrRev 94
WScript.Echo IsNull(InStrRev(Null, "a")), Err.Number
'> True 0
r = ChrB(256) : WScript.Echo "ChrB", Err.Number : Err.Clear
'> ChrB 6
r = ChrB(-1) : WScript.Echo "ChrB", Err.Number : Err.Clear
'> ChrB 6
r = Chr(256) : WScript.Echo "Chr", Err.Number : Err.Clear
'> Chr 5

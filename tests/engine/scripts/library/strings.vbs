' String built-ins: pieces, searching, replacing, character codes.
WScript.Echo Left("hello", 2), Right("hello", 3), Mid("hello", 2, 3), Mid("hello", 4), Len("hello")
'> he llo ell lo 5
WScript.Echo "[" & Trim("  a  ") & "]", "[" & LTrim("  a  ") & "]", "[" & RTrim("  a  ") & "]"
'> [a] [a  ] [  a]
WScript.Echo UCase("abc"), LCase("ABC"), StrReverse("abc"), Space(2) & "|", String(3, "x")
'> ABC abc cba   | xxx
WScript.Echo InStr("hello", "l"), InStr(4, "hello", "l"), InStr(1, "ABC", "b", vbTextCompare), InStr("abc", "")
'> 3 4 2 1
WScript.Echo InStrRev("abcabc", "b"), InStrRev("abcabc", "b", 4), InStr(5, "abc", "a")
'> 5 2 0
WScript.Echo StrComp("a", "B"), StrComp("a", "B", 1), StrComp("x", "x")
'> 1 -1 0
WScript.Echo Replace("aaa", "a", "b", 2), Replace("aAa", "a", "x", 1, -1, 1), Replace("aaaa", "a", "b", 1, 2)
'> bb xxx bbaa
WScript.Echo Asc("A"), Asc("€"), Chr(65), AscW(ChrW(8364)), Len(Chr(0))
'> 65 128 A 8364 1
WScript.Echo Escape("a b%"), Unescape("%41%u0042")
'> a%20b%25 AB
WScript.Echo IsNull(Len(Null)), IsNull(LCase(Null)), IsNull(Mid(Null, 1)), IsNull(Trim(Null)), IsNull(InStr(Null, "a"))
'> True True True True True
' Split, Join and Filter make and read arrays.
parts = Split("a,b,,c", ",")
WScript.Echo UBound(parts), Join(parts, "|"), UBound(Split("")), Join(Split("a b c", " ", 2), "|")
'> 3 a|b||c -1 a|b c
WScript.Echo Join(Filter(Array("apple", "Banana", "cherry"), "an")), Join(Filter(Array("apple", "Banana"), "a", False))
'> Banana 
WScript.Echo Join(Filter(Array("apple", "Banana", "cherry"), "A", True, vbTextCompare), ",")
'> apple,Banana

On Error Resume Next
x = Mid("a", 0) : WScript.Echo "Mid", Err.Number : Err.Clear
'> Mid 5
x = Left("a", -1) : WScript.Echo "Left", Err.Number : Err.Clear
'> Left 5
x = Space(-1) : WScript.Echo "Space", Err.Number : Err.Clear
'> Space 5
x = Asc("") : WScript.Echo "Asc", Err.Number : Err.Clear
'> Asc 5
x = Chr(256) : WScript.Echo "Chr", Err.Number : Err.Clear
'> Chr 5
x = Chr(Null) : WScript.Echo "Chr Null", Err.Number : Err.Clear
'> Chr Null 94
x = Join("abc") : WScript.Echo "Join", Err.Number : Err.Clear
'> Join 13
x = Join(Null) : WScript.Echo "Join Null", Err.Number : Err.Clear
'> Join Null 94
x = Mid("abc", Null) : WScript.Echo "Mid start Null", Err.Number : Err.Clear
'> Mid start Null 94
' A Null text gives Null back; Replace converts a Boolean to its number.
WScript.Echo IsNull(Mid(Null, 2)), IsNull(Mid(Null, 1, 1)), IsNull(Left(Null, 1)), IsNull(String(Null, "a")), IsNull(String(2, Null))
'> True True True True True
WScript.Echo Replace("a+b", "+", True), Replace("a+b", "+", False), Replace(True, "-", "m"), "x" & True
'> a-1b a0b m1 xTrue

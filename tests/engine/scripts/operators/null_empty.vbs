' Null in arithmetic gives Null; Empty acts as 0 in arithmetic and "" in &.
WScript.Echo TypeName(1 + Null), TypeName(Null * 2), TypeName(-Null), TypeName(Null \ 1), TypeName(Null Mod 2)
'> Null Null Null Null Null
WScript.Echo TypeName(Null ^ 2), TypeName(Null / 0)
'> Null Null
WScript.Echo 1 + Empty, TypeName(1 + Empty), TypeName(Empty + Empty), Empty - 3
'> 1 Integer Integer -3
WScript.Echo "5" + Empty, TypeName("5" + Empty)
'> 5 String
' & treats Null as "" unless both sides are Null.
WScript.Echo "x" & Null & "y", TypeName(Null & Null), TypeName(Empty & Empty)
'> xy Null String
' An uninitialised variable is Empty.
Dim never
WScript.Echo TypeName(never), never + 5, "[" & never & "]"
'> Empty 5 []
' Comparisons with Null give Null, not False.
WScript.Echo TypeName(Null = Null), TypeName(1 < Null), TypeName(Null <> "a")
'> Null Null Null
' Empty equals 0, "" and False.
WScript.Echo CStr(Empty = 0), CStr(Empty = ""), CStr(Empty = False), CStr(never < 1)
'> True True True True

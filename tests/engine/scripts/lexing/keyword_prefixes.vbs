' Names that begin with a keyword are ordinary names, not the keyword.
remainder = 7
Remark = "not a comment"
WScript.Echo remainder, Remark
'> 7 not a comment
Android = 1 : Order = 2 : Notice = 3 : Modulo = 4 : Endless = 5 : Ifs = 6
WScript.Echo Android + Order + Notice + Modulo + Endless + Ifs
'> 21
Nothingness = "n" : Empty1 = "e" : Nullable = "u" : Trueish = "t"
WScript.Echo Nothingness & Empty1 & Nullable & Trueish
'> neut
' Digits and underscores inside names.
my_var1 = 10 : x2y = 5
WScript.Echo my_var1 * x2y
'> 50
' An underscore inside a string does not continue the line.
WScript.Echo "a _"
'> a _
' Non-ASCII text counts one character per letter.
WScript.Echo Len("héllo"), Mid("héllo", 2, 1)
'> 5 é

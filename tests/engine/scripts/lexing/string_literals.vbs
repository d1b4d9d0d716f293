' A doubled quote inside a string literal stands for one quote.
s = "He said ""hi"""
WScript.Echo s
'> He said "hi"
WScript.Echo Len(""""), Len(""), Len("""""")
'> 1 0 2
WScript.Echo """" & "x" & """"
'> "x"

' Spaces inside a literal are kept, at both ends.
WScript.Echo "[" & "  two  " & "]"
'> [  two  ]

' Keywords inside a string are just text.
WScript.Echo "If Then Else Rem"
'> If Then Else Rem

' The empty literal is a String, not Empty.
WScript.Echo TypeName(""), CStr(IsEmpty(""))
'> String False

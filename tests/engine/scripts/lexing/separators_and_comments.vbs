' ':' puts several statements on one line; '_' continues a statement on the next line.
a = 1 : b = 2 : c = a + b : WScript.Echo c
'> 3

total = 1 + _
        2 + _
        3
WScript.Echo total
'> 6

WScript.Echo "first", _
             "second"
'> first second

If a = 1 Then _
    WScript.Echo "continued If"
'> continued If

' Comments: apostrophe and Rem, whole-line or after a statement.
Rem this line is a comment
REM so is this one
WScript.Echo "after apostrophe" ' a trailing comment with "quotes"
'> after apostrophe
WScript.Echo "after Rem" : Rem a trailing Rem needs the colon before it
'> after Rem

' An apostrophe inside a string literal is text, not a comment.
WScript.Echo "it's"
'> it's

' A colon inside a string literal does not split the statement.
WScript.Echo "a:b"
'> a:b

' Empty statements between colons and blank lines are allowed.
: : WScript.Echo "empty statements"
'> empty statements

	WScript.Echo "tab-indented"
'> tab-indented

' RegExp, its matches and Replace, as scripts use them.
Set re = New RegExp
WScript.Echo TypeName(re), re.Global, re.IgnoreCase, re.Multiline
'> IRegExp2 False False False
' CreateObject makes the same object, whatever the letter case of its name.
Set made = CreateObject("vbscript.REGEXP")
made.Pattern = "b+"
WScript.Echo TypeName(made), TypeName(CreateObject("VBScript.RegExp")), made.Replace("abbbc", "-")
'> IRegExp2 IRegExp2 a-c

re.Pattern = "(\w+)@(\w+)\.(com|org)"
WScript.Echo re.Test("write to joe@example.com"), re.Test("nobody here")
'> True False

' Without Global, Execute finds the first match only.
Set ms = re.Execute("joe@a.com, ann@b.org")
WScript.Echo TypeName(ms), ms.Count, ms(0), ms(0).FirstIndex, ms(0).Length
'> IMatchCollection2 1 joe@a.com 0 9

re.Global = True
Set ms = re.Execute("joe@a.com, ann@b.org")
WScript.Echo ms.Count, ms.Item(1).Value, ms(1).FirstIndex
'> 2 ann@b.org 11

Set m = ms(1)
Set sm = m.SubMatches
WScript.Echo TypeName(m), TypeName(sm), sm.Count, sm(0), sm.Item(1), sm(2)
'> IMatch2 ISubMatches 3 ann b org

s = ""
For Each m In ms
    For Each g In m.SubMatches
        s = s & g & "/"
    Next
    s = s & "|"
Next
WScript.Echo s
'> joe/a/com/|ann/b/org/|

' A group that took no part in the match is Empty.
re.Pattern = "(a)|(b)"
WScript.Echo TypeName(re.Execute("b")(0).SubMatches(0))
'> Empty

' Flags: case, lines.
re.Pattern = "^end$"
re.Global = False
WScript.Echo re.Test("the" & vbCrLf & "END" & vbCrLf & "x")
'> False
re.IgnoreCase = True
re.Multiline = True
WScript.Echo re.Test("the" & vbCrLf & "END" & vbCrLf & "x")
'> True

' Replace: $n, $&, $` and $', $$; Global decides first or all.
re.Pattern = "(\d+)-(\d+)"
re.Global = False
WScript.Echo re.Replace("1-2 3-4", "$2-$1")
'> 2-1 3-4
re.Global = True
WScript.Echo re.Replace("1-2 3-4", "$2-$1")
'> 2-1 4-3
WScript.Echo re.Replace("a 1-2 b", "[$&]"), re.Replace("a 1-2 b", "<$`|$'>"), re.Replace("1-2", "$$1 $3")
'> a [1-2] b a <a | b> b $1 $3
' A Boolean replacement is written as its number.
WScript.Echo re.Replace("1-2 x", True), re.Replace("1-2", False)
'> -1 x 0

' Empty matches move on by one character, so a Global search ends.
re.Pattern = "x*"
WScript.Echo re.Replace("abc", "-"), re.Execute("abc").Count
'> -a-b-c- 4

' JavaScript escapes.
re.Pattern = "\u0041\x42"
WScript.Echo re.Test("zAB")
'> True

' A bad pattern is reported when it is used, not when it is set.
re.Pattern = "a{2,1}"
On Error Resume Next
x = re.Test("aa")
WScript.Echo Err.Number, Err.Description
'> 5017 Syntax error in regular expression
Err.Clear
On Error GoTo 0
re.Pattern = "(ab"
'!error 5020 line 89
WScript.Echo re.Test("ab")

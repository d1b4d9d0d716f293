' Spellings Windows accepts that look like something else.
' A radix prefix without a digit of its radix is the & operator.
hi = "there" : o9 = 9
WScript.Echo "x" &hi, "y" &o9, "z" & hi
'> xthere y9 zthere
' =>, =< and >< are >=, <= and <>.
WScript.Echo 2 => 1, 2 =< 1, 1 >< 1, 1 ><2
'> True False False True
' Words that are keywords only in one place are names elsewhere.
Dim Property, step, Error, Explicit, Default, Get
Property = 1 : step = 2 : Error = 3 : Explicit = 4 : Default = 5 : Get = 6
WScript.Echo Property + step + Error + Explicit + Default + Get
'> 21
For i = 1 To 5 Step step : s = s & i : Next
WScript.Echo s
'> 135
' After a dot every word is a member name, reserved or not.
Class Words
    Public [rem], [if], [end], [next]
End Class
Set w = New Words
w.rem = "r" : w.if = "i" : w.end = "e" : w.Next = "n"
WScript.Echo w.rem & w.IF & w.End & w.next
'> rien

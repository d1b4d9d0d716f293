' Public and Private on global procedures and variables.
Public shared
Private hidden
shared = "pub" : hidden = "priv"
Public Function Both()
    Both = shared & "+" & hidden
End Function
Private Sub Tell()
    WScript.Echo Both()
End Sub
Tell
'> pub+priv

' Dim declares several names at once, arrays among them.
Dim p, q(2), r(1, 1)
q(2) = "q2" : r(1, 1) = "r11" : p = "p"
WScript.Echo p, q(2), r(1, 1), UBound(q), UBound(r, 2)
'> p q2 r11 2 1

' Constants, also in expressions and negative.
Const Answer = 42, Greeting = "hi", Negative = -5
WScript.Echo Answer + 1, Greeting & "!", Negative * 2
'> 43 hi! -10
Sub UsesConst()
    Const LocalConst = 7
    WScript.Echo LocalConst * Answer
End Sub
UsesConst
'> 294

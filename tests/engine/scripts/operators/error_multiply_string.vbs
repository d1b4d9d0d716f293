' Multiplying a non-numeric string by a number.
Sub Scale(v)
    v = v * 2
End Sub
Scale "abc"
'!error 13 line 3 column 5

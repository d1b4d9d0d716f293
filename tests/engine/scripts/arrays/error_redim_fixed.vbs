' ReDim of an array declared with a fixed size.
Dim a(2)
ReDim a(5)
'!error 10 line 3

' Several dimensions; UBound and LBound take the dimension number from 1.
Dim grid(2, 3)
WScript.Echo UBound(grid), UBound(grid, 1), UBound(grid, 2), LBound(grid, 2)
'> 2 2 3 0
For r = 0 To 2
    For c = 0 To 3
        grid(r, c) = r * 10 + c
    Next
Next
WScript.Echo grid(0, 0), grid(1, 2), grid(2, 3)
'> 0 12 23

' ReDim Preserve may change only the last dimension.
ReDim m(1, 1)
m(1, 1) = "keep"
ReDim Preserve m(1, 4)
WScript.Echo m(1, 1), UBound(m, 2)
'> keep 4

Dim cube(1, 1, 1)
cube(1, 0, 1) = "deep"
WScript.Echo cube(1, 0, 1), UBound(cube, 3)
'> deep 1

' An allocation far beyond memory fails with an error the script can catch.
On Error Resume Next
ReDim a(2 ^ 31)
n = Err.Number
WScript.Echo CStr(n = 6 Or n = 7)
'> True
Err.Clear
ReDim b(100000, 100000)
n = Err.Number
WScript.Echo CStr(n = 6 Or n = 7)
'> True
Err.Clear
On Error GoTo 0
' A normal allocation afterwards works.
ReDim c(1000)
c(1000) = "last"
WScript.Echo c(1000), UBound(c)
'> last 1000

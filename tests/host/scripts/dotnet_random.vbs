' System.Random: each draw checked by its range and type, never by its value.
Set random = CreateObject("System.Random")
WScript.Echo TypeName(random)
'> Random
ok = True
seen = 0
For i = 1 To 200
    n = random.Next()
    ok = ok And VarType(n) = vbLong And n >= 0 And n < 2147483647
    n = random.Next(6)
    ok = ok And VarType(n) = vbLong And n >= 0 And n < 6
    If n = 5 Then seen = seen + 1
    n = random.Next(-3, 3)
    ok = ok And n >= -3 And n < 3
    d = random.NextDouble
    ok = ok And VarType(d) = vbDouble And d >= 0 And d < 1
Next
' In 200 draws from 0..5 the top value turns up (missing it has odds below 1e-15).
WScript.Echo ok, seen > 0
'> -1 -1
WScript.Echo random.Next(0), random.Next(1), random.Next(4, 4), random.Next(4, 5)
'> 0 0 4 4
' Two objects made at once still draw differently.
Set other = CreateObject("System.Random")
same = True
For i = 1 To 5
    same = same And random.Next() = other.Next()
Next
WScript.Echo same
'> 0
On Error Resume Next
n = random.Next(-1)
WScript.Echo Err.Number, Err.Description
'> -2146233086 'maxValue' must be greater than zero.
Err.Clear
n = random.Next(5, 4)
WScript.Echo Err.Number, Err.Description
'> -2146233086 'minValue' cannot be greater than maxValue.
Err.Clear
n = random.Next(1, 2, 3)
WScript.Echo Err.Number
'> 450

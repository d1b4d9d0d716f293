' Global code's own hidden slots (a For's end and step, a With's object)
' are given back when it has run: lines run one after another never use up
' the globals.
For i = 1 To 40000
    ExecuteGlobal "For k = 1 To 1: Next"
Next
WScript.Echo k
'> 2
' Past kMaxGlobals (65,536) names a unit stops with "Out of memory" and
' declares none of them; later units declare theirs.
names = "Dim v0"
For i = 1 To 65536
    names = names & ", v" & i
Next
On Error Resume Next
ExecuteGlobal names
WScript.Echo Err.Number, IsEmpty(v0)
'> 7 True
On Error GoTo 0
ExecuteGlobal "Dim w: w = 5"
WScript.Echo w
'> 5

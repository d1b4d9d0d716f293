' text: a calculator script building a report as text: 40,000 values
' appended as "value;" with s = s & v & ";", then read back field by field
' with InStr and Mid and summed, and the digits "7" counted with Mid.
' Value i is (i * 7919) Mod 10007. Checksum: length, fields, sum, sevens.
Option Explicit

Function Elapsed(t0)
  Dim e
  e = Timer - t0
  If e < 0 Then e = e + 86400
  Elapsed = e
End Function

Function Run()
  Dim s, i, p, q, fields, total, sevens
  s = ""
  For i = 1 To 40000
    s = s & ((i * 7919) Mod 10007) & ";"
  Next
  fields = 0
  total = 0
  p = 1
  q = InStr(p, s, ";")
  Do While q > 0
    total = total + CLng(Mid(s, p, q - p))
    fields = fields + 1
    p = q + 1
    q = InStr(p, s, ";")
  Loop
  sevens = 0
  For i = 1 To Len(s)
    If Mid(s, i, 1) = "7" Then sevens = sevens + 1
  Next
  Run = Len(s) & " " & fields & " " & total & " " & sevens
End Function

Dim t0, r
t0 = Timer
r = Run()
WScript.Echo "text " & r
WScript.Echo "time " & Elapsed(t0)

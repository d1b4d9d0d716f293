' plot: a function plot as a calculator script draws one: 1,000,000 points
' x = -10 + i * 0.00002 (i = 0..999,999) of y = F(x), a user Function of
' Sin and Sqr, each mapped to a pixel row Int((y + 6) * 16).
' Checksum: the sum of the rows and the number of sign changes of y.
Option Explicit

Function Elapsed(t0)
  Dim e
  e = Timer - t0
  If e < 0 Then e = e + 86400
  Elapsed = e
End Function

Function F(x)
  F = Sin(x) * Sqr(x * x + 1) / 3 + x / 5
End Function

Function Run()
  Dim i, x, y, rows, crossings, before
  rows = 0
  crossings = 0
  before = F(-10)
  For i = 0 To 999999
    x = -10 + i * 0.00002
    y = F(x)
    rows = rows + Int((y + 6) * 16)
    If (y < 0) <> (before < 0) Then crossings = crossings + 1
    before = y
  Next
  Run = rows & " " & crossings
End Function

Dim t0, r
t0 = Timer
r = Run()
WScript.Echo "plot " & r
WScript.Echo "time " & Elapsed(t0)

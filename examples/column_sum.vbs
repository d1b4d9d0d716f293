' Sums a column of a CSV file: talvoro-run examples/column_sum.vbs FILE [/column:N]
Option Explicit
Dim fso, args, column, stream, fields, total, rows
Set fso = CreateObject("Scripting.FileSystemObject")
Set args = WScript.Arguments
If args.Unnamed.Count <> 1 Then
    WScript.StdErr.WriteLine "usage: column_sum.vbs FILE [/column:N]"
    WScript.Quit 2
End If
column = 1
If args.Named.Exists("column") Then column = CInt(args.Named("column"))

Set stream = fso.OpenTextFile(args.Unnamed(0))
stream.SkipLine                       ' the header
Do Until stream.AtEndOfStream
    fields = Split(stream.ReadLine, ",")
    total = total + CDbl(fields(column))
    rows = rows + 1
Loop
stream.Close
WScript.Echo rows & " rows, total " & total & ", mean " & total / rows

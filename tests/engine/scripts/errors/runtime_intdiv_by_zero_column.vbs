' Integer division by zero inside an indented block: the column is where the statement starts.
For i = 1 To 1
    If i = 1 Then
        q = 7 \ (i - 1)
    End If
Next
'!error 11 line 4 column 9 "Division by zero"

' Exit Do outside any Do loop.
For i = 1 To 2
    Exit Do
Next
'!error 1039 line 3 column 10 "Invalid 'exit' statement"

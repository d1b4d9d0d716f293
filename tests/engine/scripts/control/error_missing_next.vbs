' A For without its Next: the compile fails where the text ends, on the line after the last one.
'!error 1020 line 5 column 1 "Expected 'Next'"
For i = 1 To 3
    WScript.Echo i

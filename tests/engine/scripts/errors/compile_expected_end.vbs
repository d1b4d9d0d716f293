' A Sub without End Sub: the compile fails where the text ends, on the line after the last one.
'!error 1014 line 5 column 1 "Expected 'End'"
Sub OpenBlock()
    x = 1

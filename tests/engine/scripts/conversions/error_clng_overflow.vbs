' CLng of a number text beyond the Long range.
x = CLng("2147483648")
'!error 6 line 2

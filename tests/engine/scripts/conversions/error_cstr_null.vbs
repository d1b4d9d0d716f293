' CStr has no text for Null.
x = CStr(Null)
'!error 94 line 2 column 1 "Invalid use of Null"

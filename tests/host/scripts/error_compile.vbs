' A syntax error: nothing runs; the compilation error's place and text.
'!exit 1
WScript.Echo "never"
x = (1 + 2
'2> error_compile.vbs(4, 11) Microsoft VBScript compilation error: Expected ')'

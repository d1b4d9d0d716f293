' Octal literals follow the same sizing rules as hex literals.
WScript.Echo &O17, TypeName(&O17)
'> 15 Integer
WScript.Echo &o777
'> 511
WScript.Echo &O177777, TypeName(&O177777)
'> -1 Integer
WScript.Echo &O177777&, TypeName(&O177777&)
'> 65535 Long
WScript.Echo &O200000, TypeName(&O200000)
'> 65536 Long

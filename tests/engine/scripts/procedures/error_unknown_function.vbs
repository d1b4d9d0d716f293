' Calling a name that is neither a procedure nor a built-in.
x = 1
y = Foo(x)
'!error 13 line 3 column 1 "Type mismatch: 'Foo'"

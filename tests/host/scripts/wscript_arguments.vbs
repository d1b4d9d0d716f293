' WScript.Arguments with Named and Unnamed.
'!args one "two words" /size:10 /Verbose /name: three
Set args = WScript.Arguments
WScript.Echo args.Count, args.Length, args(1), args.Item(2)
'> 6 6 two words /size:10
For Each a In args
    WScript.Echo "[" & a & "]"
Next
'> [one]
'> [two words]
'> [/size:10]
'> [/Verbose]
'> [/name:]
'> [three]
Set named = args.Named
WScript.Echo named.Count, named("SIZE"), named.Exists("verbose"), IsEmpty(named("verbose")), "(" & named("name") & ")"
'> 3 10 -1 -1 ()
WScript.Echo named.Exists("other"), IsEmpty(named("other")), WScript.Arguments.Named("size")
'> 0 -1 10
For Each n In named
    WScript.Echo n
Next
'> size
'> Verbose
'> name
Set unnamed = args.Unnamed
WScript.Echo unnamed.Count, unnamed(0), unnamed(2)
'> 3 one three
On Error Resume Next
x = args(6)
WScript.Echo Err.Number, Err.Description
'> 9 Subscript out of range

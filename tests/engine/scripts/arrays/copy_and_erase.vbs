' Assigning an array copies it: later changes to one do not show in the other.
a = Array(1, 2, 3)
b = a
b(0) = 99
WScript.Echo a(0), b(0)
'> 1 99

Dim fixed(1)
fixed(0) = "f"
c = fixed
c(0) = "changed"
WScript.Echo fixed(0), c(0)
'> f changed

' A function returning an array returns a copy of its local.
Function MakeList()
    Dim tmp(1)
    tmp(0) = "made"
    MakeList = tmp
End Function
got = MakeList()
WScript.Echo got(0), UBound(got)
'> made 1

' Erase on a fixed array empties the elements but keeps the size.
Dim nums(2)
nums(0) = 5 : nums(2) = 6
Erase nums
WScript.Echo UBound(nums), TypeName(nums(0)), TypeName(nums(2))
'> 2 Empty Empty

' Erase on a dynamic array frees it; ReDim makes it usable again.
Dim dyn()
ReDim dyn(3)
Erase dyn
ReDim dyn(1)
dyn(1) = "again"
WScript.Echo dyn(1)
'> again

' UBound of arrays in an array, and of an array held in a Variant.
v = Array(Array())
WScript.Echo UBound(v), UBound(v(0))
'> 0 -1

' One-index reads and writes of a procedure's local variable take a shortcut
' in the interpreter; every kind of index and container must still behave
' as the general indexing path does.

Sub IndexKinds()
    Dim a(3)
    a(0) = "zero" : a(1) = "one" : a(2) = "two" : a(3) = "three"
    ' Integer, Long, String, Double (rounded half to even) and Boolean indexes.
    WScript.Echo a(CInt(1)), a(CLng(2)), a("3"), a(1.5), a(2.5), a(False)
End Sub
IndexKinds
'> one two three two two zero

' The same with the index held in a local variable.
Sub LocalIndexKinds()
    Dim a(3), k
    a(0) = "zero" : a(1) = "one" : a(2) = "two" : a(3) = "three"
    k = CInt(1) : WScript.Echo a(k)
    k = CLng(3) : WScript.Echo a(k)
    k = "2" : WScript.Echo a(k)
    k = 0.6 : WScript.Echo a(k)
    k = Empty : WScript.Echo a(k)
End Sub
LocalIndexKinds
'> one
'> three
'> two
'> one
'> zero

Sub StoreKinds()
    Dim a(2)
    a("1") = "by string"
    a(0.4) = "by double"
    a(CByte(2)) = "by byte"
    WScript.Echo a(0), a(1), a(2)
End Sub
StoreKinds
'> by double by string by byte

' Arrays are values: writing an element of a local that shares its array
' with another variable must not change the other one.
Function Shared()
    Dim a, b
    a = Array(1, 2, 3)
    b = a
    a(0) = 100
    b(2) = 300
    Shared = a(0) & " " & a(2) & " " & b(0) & " " & b(2)
End Function
WScript.Echo Shared()
'> 100 3 1 300

' A ByRef parameter is a reference to the caller's array: writes reach it.
Sub Fill(arr, value)
    arr(1) = value
    WScript.Echo arr(1)
End Sub
Sub Caller()
    Dim mine(1)
    Fill mine, "filled"
    WScript.Echo mine(1)
End Sub
Caller
'> filled
'> filled

' A ByVal parameter gets a copy: writes stay in the callee.
Sub Scribble(ByVal arr)
    arr(0) = "callee"
End Sub
Sub CopyCaller()
    Dim mine(0)
    mine(0) = "caller"
    Scribble mine
    WScript.Echo mine(0)
End Sub
CopyCaller
'> caller

' An element passed ByRef is the element itself.
Sub Bump(x)
    x = x + 1
End Sub
Sub ElementByRef()
    Dim n(1)
    n(1) = 41
    Bump n(1)
    WScript.Echo n(1)
End Sub
ElementByRef
'> 42

' A local holding an object: the one index goes to its default member.
Sub ObjectContainer()
    Dim d
    Set d = CreateObject("Scripting.Dictionary")
    d("k") = "v"
    d(7) = "seven"
    WScript.Echo d("k"), d(7), d.Count
End Sub
ObjectContainer
'> v seven 2

' Elements that hold objects and arrays keep them as they are.
Sub NestedValues()
    Dim outer(1), inner
    inner = Array("x", "y")
    outer(0) = inner
    inner(0) = "changed"
    WScript.Echo outer(0)(0), inner(0)
    Set outer(1) = CreateObject("Scripting.Dictionary")
    outer(1).Add "a", 1
    WScript.Echo TypeName(outer(1)), outer(1).Count
End Sub
NestedValues
'> x changed
'> Dictionary 1

' Two dimensions and a dynamic array grown with ReDim Preserve.
Sub OtherShapes()
    Dim grid(1, 1), dyn()
    grid(1, 0) = "g"
    ReDim dyn(0)
    dyn(0) = "first"
    ReDim Preserve dyn(1)
    dyn(1) = "second"
    WScript.Echo grid(1, 0), dyn(0), dyn(1)
End Sub
OtherShapes
'> g first second

' The index expression may change the array it indexes; the element is
' taken from the array as it is after the index was evaluated.
Dim g
Function Grow()
    ReDim Preserve g(5)
    g(5) = "grown"
    Grow = 5
End Function
Sub IndexChangesArray()
    ReDim g(0)
    WScript.Echo g(Grow())
End Sub
IndexChangesArray
'> grown

' Errors of the shortcut are those of the general path, under On Error too.
Sub Errors()
    Dim a(1), s
    On Error Resume Next
    WScript.Echo a(2)
    WScript.Echo Err.Number
    Err.Clear
    a(-1) = 1
    WScript.Echo Err.Number
    Err.Clear
    s = "text"
    WScript.Echo s(0)
    WScript.Echo Err.Number
    Err.Clear
    Dim k
    k = 0
    WScript.Echo s(k)
    WScript.Echo Err.Number
    Err.Clear
    k = 5
    WScript.Echo a(k)
    WScript.Echo Err.Number
    Err.Clear
    a("x") = 1
    WScript.Echo Err.Number
End Sub
Errors
'> 9
'> 9
'> 13
'> 13
'> 9
'> 13

' `local + constant` and `local - constant` are one instruction; its results
' are those of + and - in every case.
Sub LocalPlusConstant()
    Dim x
    x = "5" : WScript.Echo x + 1, TypeName(x + 1)
    x = Empty : WScript.Echo x + 1, x - 1
    x = Null : WScript.Echo TypeName(x + 1), TypeName(x - 1)
    x = CInt(32767) : WScript.Echo x + 1, TypeName(x + 1), TypeName(x - 1)
    x = 2147483647 : WScript.Echo TypeName(x + 1)
    x = 1.5 : WScript.Echo x + 1, x - 0.25
    x = #1/1/2000# : WScript.Echo x + 1
    x = True : WScript.Echo x + 1, x - 1
    On Error Resume Next
    x = "abc"
    WScript.Echo x - 1
    WScript.Echo Err.Number
End Sub
LocalPlusConstant
'> 6 Double
'> 1 -1
'> Null Null
'> 32768 Long Integer
'> Double
'> 2.5 1.25
'> 1/2/2000
'> 0 -2
'> 13

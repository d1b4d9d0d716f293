' Dim inside a class declares a public field.
Class Bag
    Dim Contents
    Private mItems(3)
    ' A Property Let with an index argument before the value.
    Public Property Let Item(i, v)
        mItems(i) = v
    End Property
    Public Property Get Item(i)
        Item = mItems(i)
    End Property
    Public Function Self()
        Set Self = Me
    End Function
End Class
Set b = New Bag
b.Contents = "stuff"
b.Item(2) = "two"
WScript.Echo b.Contents, b.Item(2), TypeName(b.Item(0))
'> stuff two Empty
' Me is the same object the caller holds.
WScript.Echo CStr(b.Self() Is b)
'> True

' A method that passes Me to another procedure.
Class Counter
    Public Count
    Public Sub Register()
        Bump Me
    End Sub
End Class
Sub Bump(c)
    c.Count = c.Count + 1
End Sub
Set k = New Counter
k.Count = 0
k.Register
k.Register
WScript.Echo k.Count
'> 2

' An array held in a field, resized and changed through methods.
Class Stack
    Private mData()
    Private mTop
    Private Sub Class_Initialize()
        ReDim mData(0)
        mTop = -1
    End Sub
    Public Sub Push(v)
        mTop = mTop + 1
        If mTop > UBound(mData) Then ReDim Preserve mData(mTop * 2)
        mData(mTop) = v
    End Sub
    Public Function Pop()
        Pop = mData(mTop)
        mTop = mTop - 1
    End Function
    Public Property Get Size()
        Size = mTop + 1
    End Property
End Class
Set st = New Stack
For i = 1 To 5
    st.Push i * i
Next
WScript.Echo st.Size, st.Pop(), st.Pop(), st.Size
'> 5 25 16 3

' A linked list of a million class instances is freed without running out
' of stack, head first: each Class_Terminate runs once, in list order, and
' sees its successor still alive.
Class Node
    Public nxt, id
    Sub Class_Terminate()
        terminated = terminated + 1
        If id <> expected Then WScript.Echo "out of order: " & id & " before " & expected
        If IsObject(nxt) Then If nxt.id <> id - 1 Then WScript.Echo "wrong successor at " & id
        expected = id - 1
    End Sub
End Class
Dim head, terminated, expected
For i = 1 To 1000000
    Dim n
    Set n = New Node
    n.id = i
    Set n.nxt = head
    Set head = n
Next
Set n = Nothing
expected = 1000000
Set head = Nothing
WScript.Echo terminated, expected
'> 1000000 0

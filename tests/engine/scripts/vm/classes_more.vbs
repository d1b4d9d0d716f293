' Property Get/Let/Set, Me, private members, default member, TypeName.
Class Account
    Private balance_
    Private owner_
    Private Sub Class_Initialize()
        balance_ = 0
    End Sub
    Public Property Get Balance()
        Balance = balance_
    End Property
    Public Property Let Balance(v)
        If v < 0 Then Err.Raise 5, "Account", "negative balance"
        balance_ = v
    End Property
    Public Property Set Owner(o)
        Set owner_ = o
    End Property
    Public Property Get Owner()
        Set Owner = owner_
    End Property
    Public Function Deposit(n)
        Me.Balance = Me.Balance + n
        Set Deposit = Me
    End Function
    Public Default Function Describe()
        Describe = "balance " & balance_
    End Function
End Class

Set a = New Account
a.Deposit(5).Deposit 7
WScript.Echo a.Balance, a, TypeName(a)
'> 12 balance 12 Account
Set a.Owner = New Account
WScript.Echo TypeName(a.Owner), a.Owner.Balance
'> Account 0
On Error Resume Next
a.Balance = -1
WScript.Echo Err.Number, Err.Description, a.Balance
'> 5 negative balance 12
On Error GoTo 0
x = a.balance_
'!error 438 line 42

' Public fields, private state behind Property Get/Let, and methods.
Class Account
    Public Owner
    Private mBalance

    Private Sub Class_Initialize()
        mBalance = 0
    End Sub

    Public Property Get Balance()
        Balance = mBalance
    End Property

    Public Property Let Balance(value)
        If value < 0 Then Err.Raise 5, "Account", "negative"
        mBalance = value
    End Property

    Public Sub Deposit(amount)
        Balance = Balance + amount
    End Sub

    Public Function Describe()
        Describe = Owner & ": " & mBalance
    End Function
End Class

Set acc = New Account
acc.Owner = "Ann"
acc.Deposit 50
acc.Balance = acc.Balance + 25
WScript.Echo acc.Describe(), acc.Balance
'> Ann: 75 75

' Each instance has its own fields.
Set other = New Account
other.Owner = "Bob"
WScript.Echo other.Describe(), acc.Describe()
'> Bob: 0 Ann: 75

' An error raised in Property Let reaches the caller.
On Error Resume Next
acc.Balance = -1
WScript.Echo Err.Number, Err.Description, Err.Source, acc.Balance
'> 5 negative Account 75
On Error GoTo 0

' Property Set takes an object; Property Get can return one (assigned with Set).
Class Holder
    Private mItem
    Public Property Set Item(obj)
        Set mItem = obj
    End Property
    Public Property Get Item()
        Set Item = mItem
    End Property
End Class
Set h = New Holder
Set h.Item = acc
WScript.Echo h.Item.Owner
'> Ann
Set got = h.Item
got.Owner = "Changed"
WScript.Echo acc.Owner
'> Changed

' A read-only property: Get without Let; Property Get with an argument.
Class Squares
    Public Property Get Of(n)
        Of = n * n
    End Property
End Class
Set sq = New Squares
WScript.Echo sq.Of(9)
'> 81

' Me refers to the instance itself.
Class Node
    Public Value
    Public NextNode
    Public Function Link(v)
        Set NextNode = New Node
        NextNode.Value = v
        Set Link = Me
    End Function
End Class
Set n = New Node
n.Value = 1
WScript.Echo n.Link(2).Value, n.NextNode.Value
'> 1 2

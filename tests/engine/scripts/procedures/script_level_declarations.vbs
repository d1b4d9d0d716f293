' A Sub or Function declared inside a block of the script is declared at
' load, as if it stood outside the block.
If False Then
    Sub InsideIf
        WScript.Echo "inside if"
    End Sub
    Function FromIf() FromIf = "from if" End Function
End If
InsideIf
WScript.Echo FromIf()
'> inside if
'> from if
For i = 1 To 0
    Sub InLoop() WScript.Echo "in loop" End Sub
Next
InLoop
'> in loop

' A procedure defined twice: the later definition wins everywhere, also in
' calls written before either.
WScript.Echo duplicatedfunc()
'> second
sub duplicatedfunc
    WScript.Echo "first"
end sub
function duplicatedfunc
    duplicatedfunc = "second"
end function
Sub DupSub()
    WScript.Echo "DupSub one"
End Sub
Sub DupSub()
    WScript.Echo "DupSub two"
End Sub
DupSub
'> DupSub two

' A Const of the script may be used above its declaration.
If forward_const = 99 Then WScript.Echo "forward", TypeName(forward_const)
'> forward Integer
WScript.Echo ReadsConst()
'> later text
Function ReadsConst()
    ReadsConst = later_text
End Function
Const forward_const = 99, later_text = "later text"

' Class_Initialize runs at New; Class_Terminate runs when the last reference goes.
Class Tracker
    Public Name
    Private Sub Class_Initialize()
        WScript.Echo "init"
    End Sub
    Private Sub Class_Terminate()
        WScript.Echo "terminate " & Name
    End Sub
End Class

Set a = New Tracker
'> init
a.Name = "a"
Set b = a
Set a = Nothing
WScript.Echo "one reference left"
'> one reference left
Set b = Nothing
'> terminate a
WScript.Echo "after last reference"
'> after last reference

' Replacing the only reference: the new object is made before the old one goes.
Set c = New Tracker
'> init
c.Name = "c"
Set c = New Tracker
'> init
'> terminate c
c.Name = "c2"
Set c = Nothing
'> terminate c2

' A local object ends when its procedure returns.
Sub UseLocal()
    Dim t
    Set t = New Tracker
    t.Name = "local"
    WScript.Echo "in sub"
End Sub
UseLocal
'> init
'> in sub
'> terminate local
WScript.Echo "after sub"
'> after sub

' Objects held only in an array end when the array is erased.
Dim slots(1)
Set slots(0) = New Tracker
'> init
slots(0).Name = "slot"
Erase slots
'> terminate slot
WScript.Echo TypeName(slots(0)), UBound(slots)
'> Empty 1
WScript.Echo "done"
'> done

' New with a class name that was never defined.
Class Known
End Class
Set a = New Known
Set b = New Unknown
'!error 506 line 5 column 1

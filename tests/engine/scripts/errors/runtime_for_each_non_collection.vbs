' For Each needs an array or a collection.
n = 0
For Each v In 42
    n = n + 1
Next
'!error 451 line 3 column 1

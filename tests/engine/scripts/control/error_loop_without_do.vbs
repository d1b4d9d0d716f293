' Loop with no Do before it.
x = 1
Loop
'!error 1038 line 3 column 1 "'loop' without 'do'"

' A failing Loop Until condition is reported at the Loop statement.
n = 0
Do : n = n + 1 : Loop Until n / 0 > 1
'!error 11 line 3 column 18 "Division by zero"

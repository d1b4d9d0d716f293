' Not may be the right operand of any operator; it takes in the comparisons after it.
b = True
a = Not b
WScript.Echo a, 1 = Not 0, Not 1 = 2, 3 + Not 0
'> False False True 2
WScript.Echo True = Not False And False, -1 = Not 0 = 0
'> False False

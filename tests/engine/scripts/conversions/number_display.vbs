' Doubles print with at most 15 significant digits, switching to E notation
' from 1E+15 upwards and below 0.0001.
WScript.Echo 1/3, 2/3, 0.1 + 0.2, 9.2 * 100
'> 0.333333333333333 0.666666666666667 0.3 920
WScript.Echo 1E15, 1E16, 999999999999999, 1E15 / 3
'> 1E+15 1E+16 999999999999999 333333333333333
WScript.Echo 1E-5, 0.0001, 0.000001, -1.5E-7
'> 1E-05 0.0001 1E-06 -1.5E-07
WScript.Echo 2 ^ 53, 1E+20, 123456.789
'> 9.00719925474099E+15 1E+20 123456.789
WScript.Echo 1.5, -0.5, 100 / 4, 3 * 1.1
'> 1.5 -0.5 25 3.3
' Whole Doubles print without a decimal point.
WScript.Echo 2 ^ 10, 1E2, 10 / 2
'> 1024 100 5
' Single keeps 7 digits, Currency 4 decimals.
WScript.Echo CSng(1/3), CCur(1.23456), CCur(2.5)
'> 0.3333333 1.2346 2.5
' Rounding to 15 digits drops the trailing zeros it leaves.
WScript.Echo 2 ^ 0.5, 1E15 - 1, -1E15, 0.00012345, 1 / 7
'> 1.4142135623731 999999999999999 -1E+15 0.00012345 0.142857142857143
WScript.Echo 1.1 * 1.1, 100 * 1.15, 0.7 + 0.1, 1 - 0.9
'> 1.21 115 0.8 0.1
' Dates print in the short form; a time of midnight is left out.
WScript.Echo #1/2/2003#, #1/2/2003 6:30:00 AM#, DateSerial(2020, 2, 30)
'> 1/2/2003 1/2/2003 6:30:00 AM 3/1/2020

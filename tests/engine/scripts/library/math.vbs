' Maths built-ins as a script sees them: subtypes, rounding, errors.
WScript.Echo Round(2.5), Round(3.5), Round(-2.5), Round(0.5), Round(1.2345, 2), Round(2.675, 2)
'> 2 4 -2 0 1.23 2.68
WScript.Echo TypeName(Round(2.5)), TypeName(Round(7)), TypeName(Round(CCur(2.5)))
'> Double Integer Currency
WScript.Echo Int(-2.5), Fix(-2.5), Int(2.9), TypeName(Int(CSng(1.5))), TypeName(Fix(7))
'> -3 -2 2 Single Integer
WScript.Echo Abs(-32768), TypeName(Abs(-32768)), Abs(-2.5), Sgn(-7), Sgn(0), Sgn(3.2)
'> 32768 Long 2.5 -1 0 1
WScript.Echo Sqr(16), Exp(0), Log(1), Atn(0), Cos(0), Sin(0), Tan(0)
'> 4 1 0 0 1 0 0
' Pi from the arc tangent, to the fifteen digits a Double shows.
WScript.Echo 4 * Atn(1)
'> 3.14159265358979
WScript.Echo Hex(255), Hex(-1), Hex(-32768), Hex(65536), Oct(8), Oct(-1), Oct(-8)
'> FF FFFF FFFF8000 10000 10 177777 177770
WScript.Echo IsNull(Abs(Null)), IsNull(Hex(Null)), IsNull(Round(Null))
'> True True True

On Error Resume Next
x = Sqr(-1) : WScript.Echo "Sqr(-1)", Err.Number : Err.Clear
'> Sqr(-1) 5
x = Log(0) : WScript.Echo "Log(0)", Err.Number : Err.Clear
'> Log(0) 5
x = Exp(710) : WScript.Echo "Exp(710)", Err.Number : Err.Clear
'> Exp(710) 6
x = Sgn(Null) : WScript.Echo "Sgn(Null)", Err.Number : Err.Clear
'> Sgn(Null) 94
x = Abs(CInt(-32768)) : WScript.Echo "Abs", Err.Number : Err.Clear
'> Abs 6
x = Hex(2^31) : WScript.Echo "Hex", Err.Number : Err.Clear
'> Hex 6
x = Round(1.5, -1) : WScript.Echo "Round", Err.Number : Err.Clear
'> Round 5
On Error GoTo 0

' Rnd: a negative argument restarts a fixed sequence; Rnd(0) repeats the last.
a = Rnd(-1) : b = Rnd : c = Rnd(0)
WScript.Echo a, b = c
'> 0.224007 True
x = Rnd(-1)
Randomize 42
WScript.Echo Rnd()
'> 0.9078093
WScript.Echo ScriptEngine, ScriptEngineMajorVersion, ScriptEngineMinorVersion, RGB(255, 128, 0)
'> VBScript 5 8 33023
' Round keeps Boolean, Integer, Long and Currency subtypes.
WScript.Echo CStr(Round(True)), TypeName(Round(False, 2)), TypeName(Round(CInt(7))), TypeName(Round(CLng(7), 1))
'> True Boolean Integer Long
WScript.Echo Round(CCur(2.345), 2), TypeName(Round(CCur(2.345), 2)), TypeName(Round(CByte(3))), TypeName(Round("2.5"))
'> 2.34 Currency Byte Double

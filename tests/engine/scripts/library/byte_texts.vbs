' The byte functions see a text as its bytes, two to a character, and may
' make a text of an odd number of bytes.
WScript.Echo LenB(LeftB("ABC", 3)), LenB(RightB("ABC", 3)), LenB(ChrB(65)), LenB(MidB("ABC", 2, 3))
'> 3 3 1 3
WScript.Echo TypeName(AscB("A")), AscB("A"), AscB(ChrB(200)), AscB(RightB("AB", 1))
'> Byte 65 200 0
' The odd byte travels with the text; to the character functions the text
' is its whole characters.
half = LeftB("ABC", 3)
WScript.Echo LenB(half), Len(half), half, AscB(RightB(half, 1)), LenB(LeftB(half, 2)), InStrB(half, ChrB(66))
'> 3 1 A 66 2 3
' Joined with &, texts of bytes join byte for byte: bytes build characters.
WScript.Echo LenB(half & ChrB(66)), LenB(ChrB(65) & ChrB(66)), ChrB(65) & ChrB(0) & "!", LenB(half & "D")
'> 4 2 A! 5
bin = ""
For Each code In Array(72, 0, 105, 0, 33)
    bin = bin & ChrB(code)
Next
WScript.Echo LenB(bin), Len(bin), LeftB(bin, 4)
'> 5 2 Hi

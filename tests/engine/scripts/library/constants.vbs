' Every vb... constant of the language reference, with its value and subtype.
Sub Show(name, value)
    WScript.Echo name, value, TypeName(value)
End Sub
Show "vbBlack", vbBlack
'> vbBlack 0 Long
Show "vbRed", vbRed
'> vbRed 255 Long
Show "vbGreen", vbGreen
'> vbGreen 65280 Long
Show "vbYellow", vbYellow
'> vbYellow 65535 Long
Show "vbBlue", vbBlue
'> vbBlue 16711680 Long
Show "vbMagenta", vbMagenta
'> vbMagenta 16711935 Long
Show "vbCyan", vbCyan
'> vbCyan 16776960 Long
Show "vbWhite", vbWhite
'> vbWhite 16777215 Long
Show "vbBinaryCompare", vbBinaryCompare
'> vbBinaryCompare 0 Integer
Show "vbTextCompare", vbTextCompare
'> vbTextCompare 1 Integer
Show "vbSunday", vbSunday
'> vbSunday 1 Integer
Show "vbMonday", vbMonday
'> vbMonday 2 Integer
Show "vbTuesday", vbTuesday
'> vbTuesday 3 Integer
Show "vbWednesday", vbWednesday
'> vbWednesday 4 Integer
Show "vbThursday", vbThursday
'> vbThursday 5 Integer
Show "vbFriday", vbFriday
'> vbFriday 6 Integer
Show "vbSaturday", vbSaturday
'> vbSaturday 7 Integer
Show "vbUseSystemDayOfWeek", vbUseSystemDayOfWeek
'> vbUseSystemDayOfWeek 0 Integer
Show "vbFirstJan1", vbFirstJan1
'> vbFirstJan1 1 Integer
Show "vbFirstFourDays", vbFirstFourDays
'> vbFirstFourDays 2 Integer
Show "vbFirstFullWeek", vbFirstFullWeek
'> vbFirstFullWeek 3 Integer
Show "vbUseSystem", vbUseSystem
'> vbUseSystem 0 Integer
Show "vbGeneralDate", vbGeneralDate
'> vbGeneralDate 0 Integer
Show "vbLongDate", vbLongDate
'> vbLongDate 1 Integer
Show "vbShortDate", vbShortDate
'> vbShortDate 2 Integer
Show "vbLongTime", vbLongTime
'> vbLongTime 3 Integer
Show "vbShortTime", vbShortTime
'> vbShortTime 4 Integer
Show "vbObjectError", vbObjectError
'> vbObjectError -2147221504 Long
Show "vbOKOnly", vbOKOnly
'> vbOKOnly 0 Integer
Show "vbOKCancel", vbOKCancel
'> vbOKCancel 1 Integer
Show "vbAbortRetryIgnore", vbAbortRetryIgnore
'> vbAbortRetryIgnore 2 Integer
Show "vbYesNoCancel", vbYesNoCancel
'> vbYesNoCancel 3 Integer
Show "vbYesNo", vbYesNo
'> vbYesNo 4 Integer
Show "vbRetryCancel", vbRetryCancel
'> vbRetryCancel 5 Integer
Show "vbCritical", vbCritical
'> vbCritical 16 Integer
Show "vbQuestion", vbQuestion
'> vbQuestion 32 Integer
Show "vbExclamation", vbExclamation
'> vbExclamation 48 Integer
Show "vbInformation", vbInformation
'> vbInformation 64 Integer
Show "vbDefaultButton1", vbDefaultButton1
'> vbDefaultButton1 0 Integer
Show "vbDefaultButton2", vbDefaultButton2
'> vbDefaultButton2 256 Integer
Show "vbDefaultButton3", vbDefaultButton3
'> vbDefaultButton3 512 Integer
Show "vbDefaultButton4", vbDefaultButton4
'> vbDefaultButton4 768 Integer
Show "vbApplicationModal", vbApplicationModal
'> vbApplicationModal 0 Integer
Show "vbSystemModal", vbSystemModal
'> vbSystemModal 4096 Integer
Show "vbMsgBoxHelpButton", vbMsgBoxHelpButton
'> vbMsgBoxHelpButton 16384 Long
Show "vbMsgBoxSetForeground", vbMsgBoxSetForeground
'> vbMsgBoxSetForeground 65536 Long
Show "vbMsgBoxRight", vbMsgBoxRight
'> vbMsgBoxRight 524288 Long
Show "vbMsgBoxRtlReading", vbMsgBoxRtlReading
'> vbMsgBoxRtlReading 1048576 Long
Show "vbOK", vbOK
'> vbOK 1 Integer
Show "vbCancel", vbCancel
'> vbCancel 2 Integer
Show "vbAbort", vbAbort
'> vbAbort 3 Integer
Show "vbRetry", vbRetry
'> vbRetry 4 Integer
Show "vbIgnore", vbIgnore
'> vbIgnore 5 Integer
Show "vbYes", vbYes
'> vbYes 6 Integer
Show "vbNo", vbNo
'> vbNo 7 Integer
Show "vbUseDefault", vbUseDefault
'> vbUseDefault -2 Integer
Show "vbTrue", vbTrue
'> vbTrue -1 Integer
Show "vbFalse", vbFalse
'> vbFalse 0 Integer
Show "vbEmpty", vbEmpty
'> vbEmpty 0 Integer
Show "vbNull", vbNull
'> vbNull 1 Integer
Show "vbInteger", vbInteger
'> vbInteger 2 Integer
Show "vbLong", vbLong
'> vbLong 3 Integer
Show "vbSingle", vbSingle
'> vbSingle 4 Integer
Show "vbDouble", vbDouble
'> vbDouble 5 Integer
Show "vbCurrency", vbCurrency
'> vbCurrency 6 Integer
Show "vbDate", vbDate
'> vbDate 7 Integer
Show "vbString", vbString
'> vbString 8 Integer
Show "vbObject", vbObject
'> vbObject 9 Integer
Show "vbError", vbError
'> vbError 10 Integer
Show "vbBoolean", vbBoolean
'> vbBoolean 11 Integer
Show "vbVariant", vbVariant
'> vbVariant 12 Integer
Show "vbDataObject", vbDataObject
'> vbDataObject 13 Integer
Show "vbDecimal", vbDecimal
'> vbDecimal 14 Integer
Show "vbByte", vbByte
'> vbByte 17 Integer
Show "vbArray", vbArray
'> vbArray 8192 Integer
' The string constants, by their character codes.
For Each s In Array(vbCr, vbLf, vbCrLf, vbNewLine, vbTab, vbNullChar, vbFormFeed, vbVerticalTab)
    codes = ""
    For i = 1 To Len(s)
        codes = codes & AscW(Mid(s, i, 1)) & " "
    Next
    WScript.Echo Trim(codes)
Next
'> 13
'> 10
'> 13 10
'> 13 10
'> 9
'> 0
'> 12
'> 11
WScript.Echo Len(vbNullString), TypeName(vbNullString)
'> 0 String

' Scripting.Dictionary as scripts use it.
Set d = CreateObject("Scripting.Dictionary")
WScript.Echo TypeName(d), d.Count
'> Dictionary 0

d.Add "apple", 3
d.Add "pear", 5
d("plum") = 7
WScript.Echo d.Count, d("apple"), d.Item("pear"), d("plum")
'> 3 3 5 7

' Exists does not add; reading a missing key does, with an Empty item.
WScript.Echo d.Exists("fig"), d.Count
'> False 3
WScript.Echo TypeName(d("fig")), d.Count, d.Exists("fig")
'> Empty 4 True

' Keys and Items are arrays in the order the keys arrived.
d.Remove "fig"
k = d.Keys
it = d.Items
WScript.Echo UBound(k), k(0), k(2), it(1)
'> 2 apple plum 5

' For Each visits the keys.
s = ""
For Each key In d
    s = s & key & "=" & d(key) & ";"
Next
WScript.Echo s
'> apple=3;pear=5;plum=7;

' Renaming a key keeps its place and its item.
d.Key("pear") = "PEAR"
WScript.Echo Join(d.Keys, ","), d("PEAR"), d.Exists("pear")
'> apple,PEAR,plum 5 False

' Numbers of different subtypes are one key; their text is another.
Set n = CreateObject("scripting.dictionary")
n.Add 1, "one"
n.Add "1", "text one"
WScript.Echo n(CLng(1)), n(1.0), n("1"), n.Count
'> one one text one 2

' Objects are keys by identity.
Set a = CreateObject("Scripting.Dictionary")
Set b = CreateObject("Scripting.Dictionary")
n.Add a, "first"
n.Add b, "second"
WScript.Echo n(b), n(a)
'> second first

' Text compare ignores case; it can only be chosen while the dictionary is empty.
Set t = CreateObject("Scripting.Dictionary")
t.CompareMode = vbTextCompare
t.Add "Key", 1
WScript.Echo t.Exists("KEY"), t("kEy"), t.CompareMode
'> True 1 1

' Items can be objects, stored with Set.
Set t("self") = t
WScript.Echo TypeName(t("self")), t("self").Count
'> Dictionary 2
t.RemoveAll
WScript.Echo t.Count
'> 0

' The errors scripts meet.
On Error Resume Next
d.Add "apple", 1
WScript.Echo Err.Number, Err.Description
'> 457 This key is already associated with an element of this collection
Err.Clear
d.Remove "nothing like it"
WScript.Echo Err.Number, Err.Description
'> 32811 Element not found
Err.Clear
d.CompareMode = 1
WScript.Echo Err.Number
'> 5
Err.Clear
d.Key("missing") = "x"
WScript.Echo Err.Number
'> 32811
Err.Clear
d.Key("apple") = "plum"
WScript.Echo Err.Number
'> 457
Err.Clear
Set x = CreateObject("Scripting.FileSystemObject")
WScript.Echo Err.Number, Err.Description
'> 429 ActiveX component can't create object
On Error GoTo 0

d.Remove "apple"
WScript.Echo d("missing") & "|" & d.Count
'> |3
d.Add "apple", 1
'!error 457 line 100
d.Add "apple", 2

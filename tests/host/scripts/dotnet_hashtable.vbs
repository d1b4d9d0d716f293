' System.Collections.Hashtable: keys, values, their views and For Each.
Set table = CreateObject("System.Collections.Hashtable")
table.Add "one", 1
table.Add 2, "two"
table("Three") = 3
table("one") = "uno"
WScript.Echo TypeName(table), table.Count, table("one"), table(2), table.Item("Three")
'> Hashtable 3 uno two 3
' Keys: numbers by value whatever their subtype, texts with their case.
WScript.Echo table(2.0), IsEmpty(table("ONE")), IsEmpty(table("missing")), table.Count
'> two -1 -1 3
WScript.Echo table.ContainsKey(CLng(2)), table.Contains("one"), table.ContainsKey("ONE"), table.ContainsValue(3), table.ContainsValue("3")
'> -1 -1 0 -1 0
Set keys = table.Keys
Set values = table.Values
WScript.Echo TypeName(keys), keys.Count, values.Count
'> KeyCollection 3 3
For Each key In keys
    WScript.Echo "key", key, table(key)
Next
'> key one uno
'> key 2 two
'> key Three 3
table.Remove "one"
table.Remove "absent"
' The views follow the table.
WScript.Echo keys.Count
'> 2
For Each value In values
    WScript.Echo "value", value
Next
'> value two
'> value 3
For Each entry In table
    WScript.Echo "entry", entry.Key, entry.Value
Next
'> entry 2 two
'> entry Three 3
table.Clear
WScript.Echo table.Count, keys.Count
'> 0 0

On Error Resume Next
table.Add "k", 1
table.Add "k", 2
WScript.Echo Err.Number, Err.Description
'> 5 Item has already been added. Key in dictionary: 'k'  Key being added: 'k'
Err.Clear
table.Add Empty, 1
WScript.Echo Err.Number, Err.Description
'> -2147467261 Key cannot be null.
Err.Clear
x = table(Empty)
WScript.Echo Err.Number, table.Count, table("k")
'> -2147467261 1 1

' System.Collections.SortedList: keys kept in order, reached by key and by position.
Set list = CreateObject("System.Collections.SortedList")
list.Add "pear", 1
list.Add "Apple", 2
list.Add "apple", 3
list("banana") = 4
list("pear") = 5
WScript.Echo TypeName(list), list.Count, list("pear"), IsEmpty(list("fig"))
'> SortedList 4 5 -1
For i = 0 To list.Count - 1
    WScript.Echo i, list.GetKey(i), list.GetByIndex(i)
Next
'> 0 apple 3
'> 1 Apple 2
'> 2 banana 4
'> 3 pear 5
WScript.Echo list.IndexOfKey("banana"), list.IndexOfKey("fig"), list.ContainsKey("Apple"), list.ContainsKey("APPLE")
'> 2 -1 -1 0
WScript.Echo list.ContainsValue(4), list.ContainsValue("4"), list.IndexOfValue(5)
'> -1 0 3
list.SetByIndex 0, "first"
list.Remove "Apple"
list.Remove "absent"
list.RemoveAt 2
For Each entry In list
    WScript.Echo "entry", entry.Key, entry.Value
Next
'> entry apple first
'> entry banana 4
Set keys = list.Keys
WScript.Echo TypeName(keys), keys.Count, keys(1), list.Values(0)
'> KeyList 2 banana first

' Number keys in order of value, whatever their subtype.
Set numbers = CreateObject("System.Collections.SortedList")
For Each n In Array(10, 2.5, CLng(-3), 100000)
    numbers.Add n, "n" & n
Next
For Each key In numbers.GetKeyList
    WScript.Echo "number", key, numbers(key)
Next
'> number -3 n-3
'> number 2.5 n2.5
'> number 10 n10
'> number 100000 n100000
numbers.Clear
WScript.Echo numbers.Count
'> 0

On Error Resume Next
list.Add "banana", 0
WScript.Echo Err.Number, Err.Description
'> 5 Item has already been added. Key in dictionary: 'banana'  Key being added: 'banana'
Err.Clear
list.Add 1, "number among texts"
WScript.Echo Err.Number, Err.Description
'> -2146233079 Failed to compare two elements in the array.
Err.Clear
x = list.GetByIndex(2)
WScript.Echo Err.Number, Err.Description
'> -2146233086 Index was out of range. Must be non-negative and less than the size of the collection.
Err.Clear
list(Empty) = 1
WScript.Echo Err.Number, Err.Description, list.Count
'> -2147467261 Key cannot be null. 2

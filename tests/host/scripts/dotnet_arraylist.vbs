' System.Collections.ArrayList: every member, its errors and For Each.
Set list = CreateObject("SYSTEM.Collections.arraylist")
WScript.Echo TypeName(list), list.Count, list.Capacity
'> ArrayList 0 0
WScript.Echo list.Add("a"), list.Add(2), list.Add(Empty), list.Add(3.5), list.Add("e"), list.Count, list.Capacity
'> 0 1 2 3 4 5 8
list(2) = "c"
list.Item(3) = list(3) * 2
WScript.Echo list(0), list.Item(1), list(2), list(3)
'> a 2 c 7
' Equality: numbers by value whatever their subtype; texts with their case.
WScript.Echo list.Contains(CLng(2)), list.Contains(2.0), list.Contains("A"), list.Contains("2"), list.IndexOf(7), list.IndexOf("z")
'> -1 -1 0 0 3 -1
list.Insert 0, "e"
list.Insert list.Count, "a"
WScript.Echo Join(list.ToArray, ","), list.IndexOf("e"), list.LastIndexOf("e"), list.LastIndexOf("a")
'> e,a,2,c,7,e,a 0 5 6
list.Remove "e"
list.Remove "absent"
list.RemoveAt 0
list.RemoveRange 1, 2
WScript.Echo Join(list.ToArray, ","), list.Count
'> 2,e,a 3
list.Reverse
arr = list.ToArray
WScript.Echo Join(arr, ","), LBound(arr), UBound(arr), TypeName(arr(2))
'> a,e,2 0 2 Integer
For Each item In list
    WScript.Echo "item", item
Next
'> item a
'> item e
'> item 2

' IndexOf and LastIndexOf from a start index, and within a count of items.
Set found = CreateObject("System.Collections.ArrayList")
found.AddRange Array("x", "y", "x", "y", "x")
WScript.Echo found.IndexOf("x", 1), found.IndexOf("x", 5), found.IndexOf("y", 2, 1), found.IndexOf("y", 2, 2)
'> 2 -1 -1 3
WScript.Echo found.LastIndexOf("x", 3), found.LastIndexOf("y", 0), found.LastIndexOf("x", 3, 1), found.LastIndexOf("y", 4, 2)
'> 2 -1 -1 3

' Capacity: never below Count; Clear keeps it.
list.Capacity = 3
WScript.Echo list.Capacity
'> 3
list.Clear
WScript.Echo list.Count, list.Capacity, UBound(list.ToArray)
'> 0 3 -1

' GetRange is a window on its list: what is done through it changes the list,
' and a change made to the list directly leaves the window unusable.
Set whole = CreateObject("System.Collections.ArrayList")
whole.AddRange Array(1, 2, 3, 4, 5)
Set window = whole.GetRange(1, 3)
window(0) = 9
window.RemoveAt 1
window.Insert 2, 7
window.GetRange(0, 2).Reverse
WScript.Echo TypeName(window), Join(window.ToArray, ","), window.Count, Join(whole.ToArray, ",")
'> ArrayList 4,9,7 3 1,4,9,7,5

' AddRange takes a list, an array or a Stack.
Set source = CreateObject("System.Collections.ArrayList")
source.AddRange Array(10, 20, 30, 40)
Set part = CreateObject("System.Collections.ArrayList")
part.AddRange Array(99, 30)
Set stack = CreateObject("System.Collections.Stack")
stack.Push "bottom"
stack.Push "top"
part.AddRange stack
part.AddRange source
part.InsertRange 1, Array("x", "y")
WScript.Echo Join(part.ToArray, ",")
'> 99,x,y,30,top,bottom,10,20,30,40

' Sort: numbers by value, texts in culture order, Empty first.
Set numbers = CreateObject("System.Collections.ArrayList")
numbers.AddRange Array(10, 2.5, CLng(-3), CByte(7), Empty, 100000)
numbers.Sort
WScript.Echo Join(numbers.ToArray, ",")
'> ,-3,2.5,7,10,100000
Set texts = CreateObject("System.Collections.ArrayList")
texts.AddRange Array("b", "B", "a", "A", "Banana", "apple", "10", "9", "é", "f", "e", "_x", "co-op", "coop", "Zebra")
texts.Sort
WScript.Echo Join(texts.ToArray, " ")
'> _x 10 9 a A apple b B Banana co-op coop e é f Zebra
' A value equal to itself needs no order of its own: the same object twice,
' Null twice, Nothing (no object, first) all sort.
Set same = CreateObject("System.Collections.ArrayList")
same.Add texts : same.Add Nothing : same.Add texts
same.Sort
WScript.Echo TypeName(same(0)), TypeName(same(1)), TypeName(same(2))
'> Nothing ArrayList ArrayList
same.Clear : same.Add Null : same.Add Null
same.Sort
WScript.Echo same.Count
'> 2

On Error Resume Next
Sub Try(label)
    WScript.Echo label, Err.Number, Err.Source, Err.Description
    Err.Clear
End Sub
x = source(4)
Try "read past end"
'> read past end -2146233086 mscorlib Index was out of range. Must be non-negative and less than the size of the collection.
source(-1) = 0
Try "assign below 0"
'> assign below 0 -2146233086 mscorlib Index was out of range. Must be non-negative and less than the size of the collection.
source.RemoveAt 4
Try "RemoveAt"
'> RemoveAt -2146233086 mscorlib Index was out of range. Must be non-negative and less than the size of the collection.
source.Insert 5, 0
Try "Insert"
'> Insert -2146233086 mscorlib Index must be within the bounds of the List.
source.RemoveRange 3, 2
Try "range past end"
'> range past end 5 mscorlib Offset and length were out of bounds for the array or count is greater than the number of elements from index to the end of the source collection.
Set none = source.GetRange(-1, 1)
Try "negative range"
'> negative range -2146233086 mscorlib Non-negative number required.
whole(0) = 0
x = window.Count
Try "list changed under its window"
'> list changed under its window -2146233079 mscorlib This range in the underlying list is invalid. A possible cause is that elements were removed.
x = found.IndexOf("x", 6)
Try "IndexOf start"
'> IndexOf start -2146233086 mscorlib Index was out of range. Must be non-negative and less than the size of the collection.
x = found.IndexOf("x", 3, 3)
Try "IndexOf count"
'> IndexOf count -2146233086 mscorlib Count must be positive and count must refer to a location within the string/array/collection.
x = found.LastIndexOf("x", 5)
Try "LastIndexOf start"
'> LastIndexOf start -2146233086 mscorlib Index was out of range. Must be non-negative and less than the size of the collection.
x = found.LastIndexOf("x", 1, 3)
Try "LastIndexOf start and count"
'> LastIndexOf start and count -2146233086 mscorlib Larger than collection size.
x = found.LastIndexOf("x", 1, -1)
Try "LastIndexOf count"
'> LastIndexOf count -2146233086 mscorlib Non-negative number required.
source.Capacity = 3
Try "Capacity"
'> Capacity -2146233086 mscorlib capacity was less than the current size.
numbers.Add "text"
numbers.Sort
Try "mixed Sort"
'> mixed Sort -2146233079 mscorlib Failed to compare two elements in the array.
Set mixed = CreateObject("System.Collections.ArrayList")
mixed.Add Nothing : mixed.Add 1 : mixed.Add "a"
mixed.Sort
Try "mixed Sort after Nothing"
'> mixed Sort after Nothing -2146233079 mscorlib Failed to compare two elements in the array.
same.Add 1
same.Sort
Try "Null and a number"
'> Null and a number -2146233079 mscorlib Failed to compare two elements in the array.
source.AddRange Nothing
Try "AddRange Nothing"
'> AddRange Nothing -2147467261 mscorlib Collection cannot be null.
source.AddRange 42
Try "AddRange number"
'> AddRange number 13 Microsoft VBScript runtime error Type mismatch
x = source("first")
Try "text index"
'> text index 13 Microsoft VBScript runtime error Type mismatch
source.Add
Try "no argument"
'> no argument 449 Microsoft VBScript runtime error Argument not optional
source.Add 1, 2
Try "two arguments"
'> two arguments 450 Microsoft VBScript runtime error Wrong number of arguments or invalid property assignment
WScript.Echo Join(source.ToArray, ","), Join(numbers.ToArray, ",")
'> 10,20,30,40 ,-3,2.5,7,10,100000,text

' System.Collections.Stack: last in, first out; ToArray and For Each top first.
Set stack = CreateObject("system.collections.stack")
stack.Push 1
stack.Push "two"
stack.Push 3.5
WScript.Echo TypeName(stack), stack.Count, stack.Peek, stack.Count
'> Stack 3 3.5 3
WScript.Echo Join(stack.ToArray, ","), stack.Contains(CLng(1)), stack.Contains("TWO")
'> 3.5,two,1 -1 0
For Each item In stack
    WScript.Echo "item", item
Next
'> item 3.5
'> item two
'> item 1
WScript.Echo stack.Pop, stack.Pop, stack.Count
'> 3.5 two 1
stack.Clear
WScript.Echo stack.Count, UBound(stack.ToArray)
'> 0 -1
On Error Resume Next
x = stack.Pop
WScript.Echo Err.Number, Err.Description
'> -2146233079 Stack empty.
Err.Clear
x = stack.Peek
WScript.Echo Err.Number, Err.Description, IsEmpty(x)
'> -2146233079 Stack empty. -1

' System.Collections.Queue: first in, first out; ToArray and For Each front first.
Set queue = CreateObject("System.Collections.QUEUE")
queue.Enqueue "first"
queue.Enqueue 2
queue.Enqueue "third"
WScript.Echo TypeName(queue), queue.Count, queue.Peek, Join(queue.ToArray, ",")
'> Queue 3 first first,2,third
WScript.Echo queue.Contains(2.0), queue.Contains("First")
'> -1 0
For Each item In queue
    WScript.Echo "item", item
Next
'> item first
'> item 2
'> item third
WScript.Echo queue.Dequeue, queue.Dequeue, queue.Count
'> first 2 1
queue.Clear
On Error Resume Next
x = queue.Dequeue
WScript.Echo Err.Number, Err.Description
'> -2146233079 Queue empty.
Err.Clear
x = queue.Peek
WScript.Echo Err.Number, Err.Description, queue.Count
'> -2146233079 Queue empty. 0

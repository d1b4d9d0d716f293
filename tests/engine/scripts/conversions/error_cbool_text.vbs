' Text that is not a Boolean word or a number.
x = CBool("yes")
'!error 13 line 2

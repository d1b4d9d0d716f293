' A character that starts no token stops the compile at that character.
x = 1 @ 2
'!error 1032 line 2 column 7 "Invalid character"

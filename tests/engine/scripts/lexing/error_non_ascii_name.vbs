' Names are ASCII (brackets aside): a letter like ö is an invalid character.
[Größe] = 1
Größe = 2
'!error 1032 line 3 column 3 "Invalid character"

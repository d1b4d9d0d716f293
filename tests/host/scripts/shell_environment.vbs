' WScript.Shell's folders and environment.
'!setup export TALVORO_SAMPLE=alpha HOME="$PWD" XDG_CONFIG_HOME= XDG_DATA_HOME="$PWD/data"
'!setup mkdir -p .config sub && printf 'XDG_DESKTOP_DIR="$HOME/Schreibtisch"\n' > .config/user-dirs.dirs
Set shell = CreateObject("WScript.Shell")
home = shell.CurrentDirectory
shell.CurrentDirectory = "sub"
WScript.Echo shell.CurrentDirectory = home & "/sub", shell.Exec("pwd").StdOut.ReadLine = home & "/sub"
'> -1 -1
shell.CurrentDirectory = ".."
On Error Resume Next
shell.CurrentDirectory = "no such folder"
WScript.Echo Err.Number, shell.CurrentDirectory = home
'> 76 -1
On Error GoTo 0

WScript.Echo shell.ExpandEnvironmentStrings("%TALVORO_SAMPLE%\x %talvoro_sample% %NOT_SET_HERE% 100%% %")
'> alpha\x alpha %NOT_SET_HERE% 100%% %

Set env = shell.Environment("Process")
WScript.Echo env("TALVORO_SAMPLE"), env.Item("Talvoro_Sample"), "[" & env("NOT_SET_HERE") & "]"
'> alpha alpha []
before = env.Count
env("TALVORO_ADDED") = "beta"
WScript.Echo env.Count - before, shell.Exec("echo $TALVORO_ADDED").StdOut.ReadLine
'> 1 beta
' Every set reads and writes the process's variables.
WScript.Echo shell.Environment("USER")("TALVORO_ADDED"), shell.Environment()("TALVORO_ADDED")
'> beta beta
shell.Environment("SYSTEM")("talvoro_added") = "gamma"
WScript.Echo env("TALVORO_ADDED"), env.Count - before
'> gamma 1
env.Remove "TALVORO_ADDED"
WScript.Echo "[" & env("TALVORO_ADDED") & "]", env.Count - before
'> [] 0
listed = 0
For Each entry In env
    If entry = "TALVORO_SAMPLE=alpha" Then found = True
    listed = listed + 1
Next
WScript.Echo found, listed = env.Count
'> -1 -1
On Error Resume Next
Set env = shell.Environment("MACHINE")
WScript.Echo Err.Number
'> 5
On Error GoTo 0

Set folders = shell.SpecialFolders
WScript.Echo shell.SpecialFolders("Desktop") = home & "/Schreibtisch", folders("mydocuments") = home & "/Documents"
'> -1 -1
WScript.Echo folders("AppData") = home & "/.config", folders("Startup") = home & "/.config/autostart"
'> -1 -1
WScript.Echo folders.Item("Fonts") = home & "/data/fonts", "[" & folders("NoSuchFolder") & "]"
'> -1 []
listed = 0
For Each folder In folders
    listed = listed + 1
Next
WScript.Echo listed = folders.Count, folders(4) = folders("Desktop")
'> -1 -1

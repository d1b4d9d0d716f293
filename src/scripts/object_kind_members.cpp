// The members of the kinds of object a script variable may hold, found by
// the TypeName of the variable's value (the scripting runtime's objects, and
// those the host's CreateObject makes), and of WScript and Err.
#include "engine/object.h"
#include "scripts/object_members.h"

namespace talvoro {

namespace {

using K = MemberKind;

constexpr MemberEntry kDictionary[] = {
    {u"Add", u"(key, item)", u"Adds an item under a new key", K::Method},
    {u"Exists", u"(key)", u"True when the key is present", K::Function},
    {u"Item", u"(key)", u"The item under a key", K::Property},
    {u"Key", u"(key)", u"Renames a key (assign the new key)", K::Property},
    {u"Keys", u"()", u"Array of the keys", K::Function},
    {u"Items", u"()", u"Array of the items", K::Function},
    {u"Remove", u"(key)", u"Removes one key and its item", K::Method},
    {u"RemoveAll", u"", u"Removes every key", K::Method},
    {u"Count", u"", u"Number of keys", K::Property},
    {u"CompareMode", u"", u"0 binary, 1 text comparison of keys", K::Property},
};

constexpr MemberEntry kRegExp[] = {
    {u"Pattern", u"", u"The regular expression", K::Property},
    {u"Global", u"", u"True to find every match, not only the first", K::Property},
    {u"IgnoreCase", u"", u"True to match without regard to case", K::Property},
    {u"Multiline", u"", u"True when ^ and $ match at every line", K::Property},
    {u"Test", u"(string)", u"True when the pattern matches the text", K::Function},
    {u"Execute", u"(string)", u"The matches in the text (a collection)", K::Function},
    {u"Replace", u"(string, replacement)", u"The text with the matches replaced", K::Function},
};

constexpr MemberEntry kMatch[] = {
    {u"Value", u"", u"The matched text", K::Property},
    {u"FirstIndex", u"", u"Where the match starts, from 0", K::Property},
    {u"Length", u"", u"Length of the match", K::Property},
    {u"SubMatches", u"", u"The texts of the bracketed groups", K::Property},
};

constexpr MemberEntry kCollection[] = {
    {u"Item", u"(index)", u"One element", K::Property},
    {u"Count", u"", u"Number of elements", K::Property},
};

constexpr MemberEntry kFileSystemObject[] = {
    {u"BuildPath", u"(path, name)", u"Joins a folder path and a name", K::Function},
    {u"GetAbsolutePathName", u"(path)", u"The full path of a path", K::Function},
    {u"GetFileName", u"(path)", u"The last part of a path", K::Function},
    {u"GetBaseName", u"(path)", u"The last part of a path without its extension", K::Function},
    {u"GetExtensionName", u"(path)", u"The extension of a path", K::Function},
    {u"GetParentFolderName", u"(path)", u"The folder part of a path", K::Function},
    {u"GetDriveName", u"(path)", u"The drive part of a path", K::Function},
    {u"GetTempName", u"()", u"A random name for a temporary file", K::Function},
    {u"FileExists", u"(filespec)", u"True when the file exists", K::Function},
    {u"FolderExists", u"(folderspec)", u"True when the folder exists", K::Function},
    {u"DriveExists", u"(drivespec)", u"True when the drive exists", K::Function},
    {u"GetFile", u"(filespec)", u"A File object", K::Function},
    {u"GetFolder", u"(folderspec)", u"A Folder object", K::Function},
    {u"GetSpecialFolder", u"(folderspec)", u"0 Windows, 1 System, 2 Temporary folder", K::Function},
    {u"GetDrive", u"(drivespec)", u"A Drive object", K::Function},
    {u"Drives", u"", u"The drives (a collection)", K::Property},
    {u"OpenTextFile", u"(filename[, iomode[, create[, format]]])", u"Opens a file as a TextStream", K::Function},
    {u"CreateTextFile", u"(filename[, overwrite[, unicode]])", u"Creates a file, a TextStream", K::Function},
    {u"GetStandardStream", u"(type)", u"0 input, 1 output, 2 error stream", K::Function},
    {u"CreateFolder", u"(foldername)", u"Creates a folder", K::Function},
    {u"DeleteFile", u"(filespec[, force])", u"Deletes files", K::Method},
    {u"DeleteFolder", u"(folderspec[, force])", u"Deletes folders", K::Method},
    {u"CopyFile", u"(source, destination[, overwrite])", u"Copies files", K::Method},
    {u"CopyFolder", u"(source, destination[, overwrite])", u"Copies folders", K::Method},
    {u"MoveFile", u"(source, destination)", u"Moves files", K::Method},
    {u"MoveFolder", u"(source, destination)", u"Moves folders", K::Method},
};

constexpr MemberEntry kTextStream[] = {
    {u"AtEndOfLine", u"", u"True at the end of a line", K::Property},
    {u"AtEndOfStream", u"", u"True at the end of the file", K::Property},
    {u"Column", u"", u"Column of the next character, from 1", K::Property},
    {u"Line", u"", u"Line of the next character, from 1", K::Property},
    {u"Read", u"(characters)", u"Reads that many characters", K::Function},
    {u"ReadAll", u"()", u"Reads the rest of the file", K::Function},
    {u"ReadLine", u"()", u"Reads one line", K::Function},
    {u"Skip", u"(characters)", u"Skips that many characters", K::Method},
    {u"SkipLine", u"", u"Skips one line", K::Method},
    {u"Write", u"(string)", u"Writes a text", K::Method},
    {u"WriteLine", u"([string])", u"Writes a text and a line break", K::Method},
    {u"WriteBlankLines", u"(lines)", u"Writes empty lines", K::Method},
    {u"Close", u"", u"Closes the file", K::Method},
};

// Members File and Folder share.
constexpr MemberEntry kEntry[] = {
    {u"Name", u"", u"Name, without the folder", K::Property},
    {u"Path", u"", u"Full path", K::Property},
    {u"ShortPath", u"", u"Full path", K::Property},
    {u"ShortName", u"", u"Name, without the folder", K::Property},
    {u"Attributes", u"", u"Attribute bits (1 read-only, 2 hidden, ...)", K::Property},
    {u"DateCreated", u"", u"When it was created", K::Property},
    {u"DateLastModified", u"", u"When it was last changed", K::Property},
    {u"DateLastAccessed", u"", u"When it was last read", K::Property},
    {u"ParentFolder", u"", u"The folder it is in", K::Property},
    {u"Drive", u"", u"The drive it is on", K::Property},
    {u"Size", u"", u"Size in bytes", K::Property},
    {u"Type", u"", u"Kind of file", K::Property},
    {u"Delete", u"([force])", u"Deletes it", K::Method},
    {u"Copy", u"(destination[, overwrite])", u"Copies it", K::Method},
    {u"Move", u"(destination)", u"Moves it", K::Method},
};

constexpr MemberEntry kFile[] = {
    {u"OpenAsTextStream", u"([iomode[, format]])", u"Opens the file as a TextStream", K::Function},
};

constexpr MemberEntry kFolder[] = {
    {u"IsRootFolder", u"", u"True for the root folder", K::Property},
    {u"Files", u"", u"The files in it (a collection)", K::Property},
    {u"SubFolders", u"", u"The folders in it (a collection)", K::Property},
    {u"CreateTextFile", u"(filename[, overwrite[, unicode]])", u"Creates a file in it, a TextStream", K::Function},
};

constexpr MemberEntry kDrive[] = {
    {u"AvailableSpace", u"", u"Bytes free for the user", K::Property},
    {u"FreeSpace", u"", u"Bytes free", K::Property},
    {u"TotalSize", u"", u"Size in bytes", K::Property},
    {u"DriveLetter", u"", u"The drive's letter", K::Property},
    {u"Path", u"", u"The drive's path", K::Property},
    {u"DriveType", u"", u"Kind of drive (2 fixed)", K::Property},
    {u"IsReady", u"", u"True when the drive can be read", K::Property},
    {u"RootFolder", u"", u"Its root folder", K::Property},
    {u"SerialNumber", u"", u"The volume's serial number", K::Property},
};

constexpr MemberEntry kWScript[] = {
    {u"Echo", u"(arguments...)", u"Prints its arguments on a line", K::Method},
    {u"Quit", u"([exitCode])", u"Ends the script", K::Method},
    {u"Sleep", u"(milliseconds)", u"Waits", K::Method},
    {u"CreateObject", u"(progID)", u"Makes an object", K::Function},
    {u"GetObject", u"(pathname)", u"An object from a file (not available)", K::Function},
    {u"ConnectObject", u"(object, prefix)", u"Connects events (not available)", K::Method},
    {u"DisconnectObject", u"(object)", u"Disconnects events (not available)", K::Method},
    {u"Arguments", u"", u"The command-line arguments", K::Property},
    {u"StdIn", u"", u"Standard input, a TextStream", K::Property},
    {u"StdOut", u"", u"Standard output, a TextStream", K::Property},
    {u"StdErr", u"", u"Standard error, a TextStream", K::Property},
    {u"ScriptName", u"", u"The script's file name", K::Property},
    {u"ScriptFullName", u"", u"The script's full path", K::Property},
    {u"FullName", u"", u"The host program's full path", K::Property},
    {u"Path", u"", u"The host program's folder", K::Property},
    {u"Name", u"", u"The host's name", K::Property},
    {u"Version", u"", u"The host's version", K::Property},
};

constexpr MemberEntry kErr[] = {
    {u"Number", u"", u"Number of the last error, 0 for none", K::Property},
    {u"Description", u"", u"Text of the last error", K::Property},
    {u"Source", u"", u"Where the last error came from", K::Property},
    {u"HelpFile", u"", u"Help file of the last error", K::Property},
    {u"HelpContext", u"", u"Help topic of the last error", K::Property},
    {u"Clear", u"", u"Forgets the last error", K::Method},
    {u"Raise", u"(number[, source[, description]])", u"Raises an error", K::Method},
};

// The collections the host lets CreateObject make ("System.Collections.*"),
// the views and entries they hand out, and System.Random.
constexpr MemberEntry kArrayList[] = {
    {u"Item", u"(index)", u"The item at a position, from 0", K::Property},
    {u"Count", u"", u"Number of items", K::Property},
    {u"Capacity", u"", u"Items it has room for before it grows", K::Property},
    {u"Add", u"(value)", u"Adds an item at the end (answers its position)", K::Method},
    {u"AddRange", u"(collection)", u"Adds every item of an array or collection at the end", K::Method},
    {u"Insert", u"(index, value)", u"Inserts an item at a position", K::Method},
    {u"InsertRange", u"(index, collection)", u"Inserts every item of an array or collection at a position",
     K::Method},
    {u"Remove", u"(value)", u"Removes the first item equal to the value", K::Method},
    {u"RemoveAt", u"(index)", u"Removes the item at a position", K::Method},
    {u"RemoveRange", u"(index, count)", u"Removes count items from a position on", K::Method},
    {u"Clear", u"", u"Removes every item", K::Method},
    {u"Contains", u"(value)", u"True when an item equals the value", K::Function},
    {u"IndexOf", u"(value[, start[, count]])", u"Position of the first item equal to the value, -1 for none", K::Function},
    {u"LastIndexOf", u"(value[, start[, count]])", u"Position of the last item equal to the value, -1 for none", K::Function},
    {u"Sort", u"", u"Puts the items in ascending order", K::Method},
    {u"Reverse", u"", u"Turns the order of the items around", K::Method},
    {u"ToArray", u"()", u"Array of the items", K::Function},
    {u"GetRange", u"(index, count)", u"A window on count items from a position on; changes through it change the list", K::Function},
};

// Members Hashtable and SortedList share: both hold values under keys.
constexpr MemberEntry kKeyedTable[] = {
    {u"Item", u"(key)", u"The value under a key (assigning to a new key adds it)", K::Property},
    {u"Add", u"(key, value)", u"Adds a value under a new key", K::Method},
    {u"Remove", u"(key)", u"Removes a key and its value", K::Method},
    {u"Clear", u"", u"Removes every key", K::Method},
    {u"Count", u"", u"Number of keys", K::Property},
    {u"ContainsKey", u"(key)", u"True when the key is present", K::Function},
    {u"Contains", u"(key)", u"True when the key is present", K::Function},
    {u"ContainsValue", u"(value)", u"True when some key holds the value", K::Function},
    {u"Keys", u"", u"The keys (a collection)", K::Property},
    {u"Values", u"", u"The values (a collection)", K::Property},
};

constexpr MemberEntry kSortedList[] = {
    {u"IndexOfKey", u"(key)", u"Position of a key in sorted order, -1 when absent", K::Function},
    {u"IndexOfValue", u"(value)", u"Position of the first key holding the value, -1 for none", K::Function},
    {u"GetKey", u"(index)", u"The key at a position", K::Function},
    {u"GetByIndex", u"(index)", u"The value at a position", K::Function},
    {u"SetByIndex", u"(index, value)", u"Replaces the value at a position", K::Method},
    {u"RemoveAt", u"(index)", u"Removes the key and value at a position", K::Method},
    {u"GetKeyList", u"()", u"The keys in sorted order, by position", K::Function},
    {u"GetValueList", u"()", u"The values in key order, by position", K::Function},
};

// Members Stack and Queue share; the next item to leave comes first.
constexpr MemberEntry kWaitingLine[] = {
    {u"Count", u"", u"Number of items", K::Property},
    {u"Clear", u"", u"Removes every item", K::Method},
    {u"Contains", u"(value)", u"True when an item equals the value", K::Function},
    {u"ToArray", u"()", u"Array of the items, the next to leave first", K::Function},
    {u"Peek", u"()", u"The next item to leave, without taking it", K::Function},
};

constexpr MemberEntry kStack[] = {
    {u"Push", u"(value)", u"Puts an item on top", K::Method},
    {u"Pop", u"()", u"Takes the top item off", K::Function},
};

constexpr MemberEntry kQueue[] = {
    {u"Enqueue", u"(value)", u"Adds an item at the back", K::Method},
    {u"Dequeue", u"()", u"Takes the front item off", K::Function},
};

constexpr MemberEntry kCount[] = {
    {u"Count", u"", u"Number of elements", K::Property},
};

constexpr MemberEntry kDictionaryEntry[] = {
    {u"Key", u"", u"The entry's key", K::Property},
    {u"Value", u"", u"The value under the key", K::Property},
};

constexpr MemberEntry kRandom[] = {
    {u"Next", u"([[minValue, ]maxValue])", u"A whole number from minValue (0) to below maxValue", K::Function},
    {u"NextDouble", u"()", u"A number from 0 to below 1", K::Function},
};

// WScript.Shell, the objects it hands out, and WScript.Network.
constexpr MemberEntry kShell[] = {
    {u"Run", u"(command[, windowStyle[, waitOnReturn]])", u"Starts a program; waiting, answers its exit code",
     K::Method},
    {u"Exec", u"(command)", u"Starts a program with its standard streams at hand (an IWshExec)", K::Function},
    {u"CurrentDirectory", u"", u"The current folder", K::Property},
    {u"SpecialFolders", u"([name])", u"The path of a special folder (\"Desktop\"...), or all of them", K::Property},
    {u"Environment", u"([kind])", u"The environment variables (\"Process\", \"System\"...)", K::Property},
    {u"ExpandEnvironmentStrings", u"(text)", u"The text with each %NAME% replaced by the variable's value",
     K::Function},
    {u"Popup", u"(text[, seconds[, title[, type]]])", u"A message box; the button pressed, -1 when time ran out",
     K::Function},
    {u"RegRead", u"(name)", u"Reads the registry (not available)", K::Function},
    {u"RegWrite", u"(name, value[, type])", u"Writes the registry (not available)", K::Method},
    {u"RegDelete", u"(name)", u"Deletes from the registry (not available)", K::Method},
    {u"CreateShortcut", u"(pathname)", u"Makes a shortcut (not available)", K::Function},
    {u"AppActivate", u"(title)", u"Brings a window to the front (not available)", K::Method},
    {u"SendKeys", u"(keys[, wait])", u"Types keys into the active window (not available)", K::Method},
    {u"LogEvent", u"(type, message[, target])", u"Writes to the event log (not available)", K::Method},
};

constexpr MemberEntry kShellExec[] = {
    {u"StdOut", u"", u"The program's output, a TextStream to read", K::Property},
    {u"StdErr", u"", u"The program's error output, a TextStream to read", K::Property},
    {u"StdIn", u"", u"The program's input, a TextStream to write", K::Property},
    {u"Status", u"", u"0 while the program runs, 1 once it has ended", K::Property},
    {u"ExitCode", u"", u"The program's exit code (0 while it runs)", K::Property},
    {u"ProcessID", u"", u"The program's process number", K::Property},
    {u"Terminate", u"", u"Stops the program", K::Method},
};

// Members the environment and the special folders share.
constexpr MemberEntry kShellCollection[] = {
    {u"Count", u"", u"Number of elements", K::Property},
    {u"length", u"", u"Number of elements, as Count", K::Property},
};

constexpr MemberEntry kEnvironment[] = {
    {u"Item", u"(name)", u"A variable's value, empty when unset (assign to set it)", K::Property},
    {u"Remove", u"(name)", u"Removes a variable", K::Method},
};

constexpr MemberEntry kSpecialFolders[] = {
    {u"Item", u"(name)", u"The path of a special folder, by name (\"Desktop\") or number", K::Property},
};

constexpr MemberEntry kNetwork[] = {
    {u"UserName", u"", u"The user running the script", K::Property},
    {u"ComputerName", u"", u"The computer's name", K::Property},
    {u"UserDomain", u"", u"The computer's domain", K::Property},
};

constexpr ObjectMembers kKinds[] = {
    {u"Dictionary", u"Keys and items", kDictionary},
    {u"IRegExp2", u"A regular expression", kRegExp},
    {u"IMatch2", u"One match of a regular expression", kMatch},
    {u"IMatchCollection2", u"The matches of a regular expression", kCollection},
    {u"ISubMatches", u"The groups of a match", kCollection},
    {u"FileSystemObject", u"Files, folders and drives", kFileSystemObject},
    {u"TextStream", u"A file open for reading or writing", kTextStream},
    {u"File", u"A file", kFile, kEntry},
    {u"Folder", u"A folder", kFolder, kEntry},
    {u"Drive", u"A drive", kDrive},
    {u"WScript", u"The script host", kWScript},
    {u"ErrObject", u"The last run-time error", kErr},
    {u"ArrayList", u"A list that grows as items are added", kArrayList},
    {u"Hashtable", u"Values under keys", kKeyedTable},
    {u"SortedList", u"Values under keys, kept in key order", kSortedList, kKeyedTable},
    {u"KeyCollection", u"The keys of a Hashtable", kCount},
    {u"ValueCollection", u"The values of a Hashtable", kCount},
    {u"KeyList", u"The keys of a SortedList", kCollection},
    {u"ValueList", u"The values of a SortedList", kCollection},
    {u"DictionaryEntry", u"One key and its value, as For Each visits them", kDictionaryEntry},
    {u"Stack", u"Last in, first out", kStack, kWaitingLine},
    {u"Queue", u"First in, first out", kQueue, kWaitingLine},
    {u"Random", u"Random numbers", kRandom},
    {u"IWshShell3", u"Programs, folders and the environment", kShell},
    {u"IWshExec", u"A program started by Exec", kShellExec},
    {u"IWshEnvironment", u"The environment variables", kEnvironment, kShellCollection},
    {u"IWshCollection", u"The special folders", kSpecialFolders, kShellCollection},
    {u"IWshNetwork2", u"The user and the computer", kNetwork},
};

}  // namespace

std::span<const ObjectMembers> ObjectKindMembers() { return kKinds; }

const ObjectMembers* FindObjectKind(std::u16string_view typeName) {
    for (const ObjectMembers& kind : kKinds) {
        if (vbs::namesEqual(kind.name, typeName)) return &kind;
    }
    return nullptr;
}

std::u16string_view KindOfBuiltinObject(std::u16string_view name, bool inScriptHost) {
    if (inScriptHost && vbs::namesEqual(name, u"WScript")) return u"WScript";
    if (vbs::namesEqual(name, u"Err")) return u"ErrObject";
    return {};
}

}  // namespace talvoro

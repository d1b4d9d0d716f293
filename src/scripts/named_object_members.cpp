// The members of the six objects the window gives its scripts (object_model.h).
#include "scripts/object_members.h"

#include "engine/object.h"

namespace talvoro {

namespace {

using K = MemberKind;

constexpr MemberEntry kMainForm[] = {
    {u"passtr", u"", u"Text result of a $ line; scripts may use it freely", K::Property},
    {u"LastCmd", u"", u"A free text slot for scripts", K::Property},
    {u"WindowExtended", u"", u"True while the window has its extended width", K::Property},
    {u"QuickVisible", u"", u"True while the quick script panel is shown", K::Property},
    {u"AnsIns", u"", u"True once Ans was put before the line being typed", K::Property},
    {u"ExtendWindow", u"", u"Widens the window to show the drawing surface", K::Method},
    {u"NormalWindow", u"", u"Returns the window to its normal width", K::Method},
    {u"DrawLine", u"(X1, Y1, X2, Y2)", u"Draws a line on the drawing surface", K::Method},
    {u"DrawDot", u"(X1, Y1)", u"Draws a dot on the drawing surface", K::Method},
    {u"DrawCircle", u"(X, Y, R)", u"Draws a circle of radius R around (X, Y)", K::Method},
    {u"LoadScriptFile", u"", u"Resets the engine and loads the main script file", K::Method},
    {u"OPrint", u"(InpStr)", u"Prints a line in the transcript", K::Method},
    {u"EvaluateInput", u"", u"Evaluates the input line as Enter does", K::Method},
    {u"SetToTop", u"", u"Scrolls the transcript to its last line", K::Method},
    {u"LoadScripts", u"(InpFile)", u"Resets the engine and loads a script file", K::Method},
    {u"LoadScript", u"(InpFile)", u"Adds a script file's code without a reset", K::Method},
    {u"FillBrackets", u"(InpStr)", u"Appends the closing brackets a text lacks", K::Method},
    {u"LoadSettings", u"", u"Reads the settings file again", K::Method},
    {u"ProcedureExists", u"(ProcName)", u"True when the scripts define a procedure of that name", K::Function},
    {u"GetIStr", u"(MessageStr)", u"Asks the user for a text", K::Function},
    {u"GetIVal", u"(MessageStr)", u"Asks the user for a value, evaluated as an expression", K::Function},
};

constexpr MemberEntry kDrawWin[] = {
    {u"Cls", u"", u"Clears the drawing surface", K::Method},
    {u"Refresh", u"", u"Shows what was drawn at once", K::Method},
    {u"ForeColor", u"", u"Colour of the figures drawn next (an RGB value)", K::Property},
    {u"BackColor", u"", u"Colour of the surface (an RGB value)", K::Property},
    {u"DrawWidth", u"", u"Width of the lines drawn next, in pixels", K::Property},
    {u"ScaleWidth", u"", u"Width of the surface, in pixels", K::Property},
    {u"ScaleHeight", u"", u"Height of the surface, in pixels", K::Property},
    {u"PSet", u"(x, y[, color])", u"Draws a dot", K::Method},
    {u"Line", u"(x1, y1, x2, y2[, color])", u"Draws a line", K::Method},
    {u"Circle", u"(x, y, radius[, color])", u"Draws a circle", K::Method},
};

constexpr MemberEntry kCalcScreen[] = {
    {u"Text", u"", u"The whole transcript text", K::Property},
    {u"SelStart", u"", u"Caret position in the transcript", K::Property},
    {u"SelLength", u"", u"Length of the transcript's selection", K::Property},
    {u"SelText", u"", u"The selected text; assigning replaces it", K::Property},
};

constexpr MemberEntry kScreen[] = {
    {u"TwipsPerPixelX", u"", u"Twips in one pixel across", K::Property},
    {u"TwipsPerPixelY", u"", u"Twips in one pixel down", K::Property},
    {u"Width", u"", u"Screen width, in twips", K::Property},
    {u"Height", u"", u"Screen height, in twips", K::Property},
};

constexpr MemberEntry kApp[] = {
    {u"Path", u"", u"The program's folder", K::Property},
    {u"Title", u"", u"The program's title", K::Property},
    {u"EXEName", u"", u"The program's file name", K::Property},
};

constexpr MemberEntry kScriptObject[] = {
    {u"AddCode", u"(code)", u"Adds and runs script code in the main engine", K::Method},
    {u"ExecuteStatement", u"(statement)", u"Runs statements in the global scope", K::Method},
    {u"Eval", u"(expression)", u"Value of an expression", K::Function},
    {u"Run", u"(name[, arguments...])", u"Calls a script Sub or Function by name", K::Function},
    {u"Reset", u"", u"Discards all code and variables", K::Method},
    {u"Language", u"", u"The script language, \"VBScript\"", K::Property},
    {u"Timeout", u"", u"Time limit of a call, in milliseconds", K::Property},
    {u"Error", u"", u"The last error: Number, Description, Line, Column", K::Property},
    {u"Procedures", u"", u"The script's Subs and Functions: Count, Item(i)", K::Property},
};

constexpr ObjectMembers kNamed[] = {
    {u"CalcScreen", u"The transcript's text and selection", kCalcScreen},
    {u"MainForm", u"The calculator window: printing, drawing, questions, loading scripts", kMainForm},
    {u"Screen", u"Facts about the screen", kScreen},
    {u"App", u"Facts about the program", kApp},
    {u"ScriptObject", u"The script engine itself: add and run code", kScriptObject},
    {u"DrawWin", u"The drawing surface beside the console", kDrawWin},
};

}  // namespace

std::span<const ObjectMembers> NamedObjectMembers() { return kNamed; }

const ObjectMembers* FindNamedObject(std::u16string_view name) {
    for (const ObjectMembers& object : kNamed) {
        if (vbs::namesEqual(object.name, name)) return &object;
    }
    return nullptr;
}

}  // namespace talvoro

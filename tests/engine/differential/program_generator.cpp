// A small grammar of VBScript statements and expressions, walked with a
// seeded random generator. Every choice goes through `below`, which reduces
// the 64-bit generator's output itself, so a seed gives the same program with
// every compiler and standard library.
#include "program_generator.h"

#include <initializer_list>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace vbs::testing {

namespace {

// ---- limits -----------------------------------------------------------------
// Operators inside operators: enough for mixed subtypes to meet in one
// expression and for calls inside operands, few enough to keep lines short.
constexpr int kMaxExpressionDepth = 3;
// Blocks (If, Select Case, loops, With) inside blocks, in global code and in
// procedures. Procedures nest less: a call from a global loop multiplies
// their passes.
constexpr int kMaxGlobalBlockDepth = 3;
constexpr int kMaxProcedureBlockDepth = 2;
// Statements in a block, in a procedure's body and in the global code.
constexpr int kMaxBlockStatements = 4;
constexpr int kMaxProcedureStatements = 8;
constexpr int kMaxGlobalStatements = 16;
// Passes a loop makes at most before its guard ends it, whatever its header
// says (a zero step, a counter the body resets, a condition that stays true).
constexpr int kMaxLoopPasses = 6;
// A loop also ends once its scope's variables hold this many characters
// together: `x = x + x` of a text doubles it on every pass.
constexpr int kMaxTextLength = 4000;
// Subs and Functions besides the printing Sub, the class and R.
constexpr int kMaxProcedures = 4;
// Calls of other procedures one procedure's body makes at most: with the
// chain of procedures calling earlier ones, this bounds a call's cost.
constexpr int kMaxCallSitesPerProcedure = 2;
// Loops around a call in global code at most (none in procedures).
constexpr int kMaxGlobalLoopsAroundCalls = 1;
constexpr int kMaxParameters = 3;
// R(d, x) recurses d times; d is always a literal up to this.
constexpr int kMaxRecursionDepth = 5;
// Global scalars g0.., locals l0.. of each procedure; a0 and d0 start with
// kArrayUpper + 1 elements, m0 has (kMatrixUpper + 1) squared.
constexpr int kGlobalScalars = 6;
constexpr int kLocalScalars = 3;
constexpr int kArrayUpper = 5;
constexpr int kMatrixUpper = 2;

// ---- vocabulary ---------------------------------------------------------------
// Values of every subtype, with the edges where arithmetic widens or overflows.
const std::vector<std::string> kLiterals = {
    // Integer and Long
    "0", "1", "2", "3", "7", "-4", "100", "255", "32767", "-32768", "12345", "CInt(-7)", "32768", "65536",
    "100000", "2147483647", "CLng(-2147483647)", "CLng(9)",
    // Double, Single, Currency, Byte
    "2.5", "0.1", "-0.75", "1E+300", "3.0", "1.5E-5", "CDbl(4)", "CSng(1.5)", "CSng(-2.25)", "CSng(3E+38)",
    "CCur(2.75)", "CCur(-1.5)", "CCur(922337203685477)", "CCur(0.0001)", "CByte(200)", "CByte(0)", "CByte(7)",
    // Boolean, Empty, Null
    "True", "False", "Empty", "Null",
    // Numbers in text, and text that is no number
    "\"12\"", "\"2.5\"", "\"abc\"", "\"\"", "\" 7 \"", "\"-3\"", "\"1E3\"", "\"True\"", "\"ab,c\"",
    // Dates
    "DateSerial(2020, 2, 29)", "#1/2/2020#", "CDate(45000.5)", "DateSerial(1999, 12, 31)"};

const std::vector<std::string> kOperators = {"+", "+", "+", "-", "-", "*", "*", "/", "\\", "Mod", "^", "&", "&",
                                             "=", "<>", "<", ">", "<=", ">=", "And", "Or", "Xor", "Eqv", "Imp"};
// Where Integer, Long, Byte, Currency and Double results widen or overflow,
// and what meets them there.
const std::vector<std::string> kEdgeValues = {"32767", "-32768", "32766", "2147483647", "-2147483647", "CByte(255)",
                                              "CByte(254)", "255", "CCur(922337203685477)", "1.79E+308", "CInt(-1)"};
const std::vector<std::string> kSmallValues = {"0", "1", "-1", "2", "CByte(1)", "True", "CLng(1)", "0.5"};
const std::vector<std::string> kArithmetic = {"+", "-", "*", "\\", "Mod", "/"};
const std::vector<std::string> kComparisons = {"=", "<>", "<", ">", "<=", ">="};
const std::vector<std::string> kOneArgumentFunctions = {
    "Len", "Abs", "Int", "Fix", "Sgn", "CStr", "CInt", "CLng", "CDbl", "CBool", "CCur", "CByte", "CSng",
    "TypeName", "UCase", "IsNull", "IsEmpty", "VarType", "Trim"};

// For headers: starts, ends and steps of every subtype, near the Integer and
// Long limits too, and a zero step (the guard ends that loop).
const std::vector<std::string> kForStarts = {"0", "1", "1", "-2", "2.5", "CCur(1.5)", "CByte(3)", "\"2\"",
                                             "CSng(0.5)", "CLng(4)", "32765", "2147483646", "True", "Empty"};
const std::vector<std::string> kForEnds = {"5", "4", "4", "-3", "3.5", "CCur(4)", "CByte(6)", "\"4\"",
                                           "32767", "2147483647", "0", "-1", "CSng(2.5)"};
const std::vector<std::string> kForSteps = {"", "", "", " Step 1", " Step 2", " Step -1", " Step -2",
                                            " Step 0.5", " Step -0.25", " Step CCur(0.5)", " Step \"1\"",
                                            " Step CSng(1.5)", " Step 0", " Step CByte(1)"};

// Prints a value with its subtype; an array element by element.
const char* const kPrintingSub = R"(Sub P(n, v)
  Dim e
  If IsArray(v) Then
    For Each e In v
      n = n & " " & TypeName(e) & ":" & e
    Next
    WScript.Echo n
  ElseIf IsObject(v) Then
    WScript.Echo n & "=" & TypeName(v)
  Else
    WScript.Echo n & "=" & TypeName(v) & ":" & v
  End If
End Sub
)";

enum class LoopKind { For, Do, While };

struct Procedure {
    std::string name;
    bool isFunction = false;
    int parameters = 0;
};

// Where statements are being written: what they may read, assign and call.
struct Scope {
    std::vector<std::string> scalars;  // variables statements assign and expressions read
    std::vector<std::string> guards;   // loop guards, declared with the scope's variables
    size_t callable = 0;               // procedures_[0, callable) may be called
    bool resumeNext = false;           // On Error Resume Next is in force
    bool global = true;
    int callSites = 0;                 // calls of procedures written so far
    std::string function;              // in a Function: its name, assigned as its result
};

class Generator {
public:
    explicit Generator(uint64_t seed) : rng_(seed) {}

    std::string program() {
        std::ostringstream text;
        out_ = &text;
        text << kPrintingSub;
        classDefinition();
        recursiveFunction();
        int count = 1 + below(kMaxProcedures);
        for (int i = 0; i < count; ++i) procedure(i);
        globalCode();
        return text.str();
    }

private:
    // ---- choices and output ----
    int below(size_t n) { return static_cast<int>(rng_() % static_cast<uint64_t>(n)); }
    bool chance(int percent) { return below(100) < percent; }
    const std::string& oneOf(const std::vector<std::string>& v) { return v[below(v.size())]; }
    std::string number(int upTo) { return std::to_string(below(upTo + 1)); }
    // Joins parts in order: the elements of a braced list are evaluated left
    // to right, the operands of + in no fixed order, so a line with two
    // random parts is built with this to be the same with every compiler.
    static std::string cat(std::initializer_list<std::string> parts) {
        std::string text;
        for (const auto& part : parts) text += part;
        return text;
    }
    void line(const std::string& text) { *out_ << std::string(2 * indent_, ' ') << text << '\n'; }
    void print(const std::string& name) { line("P \"" + name + "\", " + name); }
    int maxBlockDepth() const { return scope_->global ? kMaxGlobalBlockDepth : kMaxProcedureBlockDepth; }
    // Calls from loops multiply the passes of the procedures called; a loop's
    // header counts as inside it.
    bool callsAllowed() const {
        if (scope_->global) return loops_.size() <= kMaxGlobalLoopsAroundCalls;
        return loops_.empty() && scope_->callSites < kMaxCallSitesPerProcedure;
    }

    // ---- expressions ----
    std::string expression(int depth) {
        if (depth >= kMaxExpressionDepth || chance(30)) return operand(depth);
        switch (below(10)) {
        case 0: return "-" + operand(depth + 1);
        case 1: return "Not " + operand(depth + 1);
        case 2: return cat({oneOf(kOneArgumentFunctions), "(", expression(depth + 1), ")"});
        case 3: return stringFunction(depth + 1);
        default: {
            std::string text = cat({expression(depth + 1), " ", oneOf(kOperators), " ", expression(depth + 1)});
            return depth == 0 ? text : "(" + text + ")";
        }
        }
    }

    std::string stringFunction(int depth) {
        switch (below(4)) {
        case 0: return cat({"Mid(", expression(depth), ", ", expression(depth), ", ", number(4), ")"});
        case 1: return cat({"InStr(", expression(depth), ", ", expression(depth), ")"});
        case 2: return cat({"Replace(", expression(depth), ", \"1\", ", expression(depth), ")"});
        default: return cat({"Left(", expression(depth), ", ", number(3), ")"});
        }
    }

    std::string operand(int depth) {
        int roll = below(100);
        if (roll < 32) return oneOf(scope_->scalars);
        if (roll < 58) return oneOf(kLiterals);
        if (roll < 68) return element();
        if (roll < 72) return oneOf({"o0.a", "o0.Twice", "o0.Total()", "UBound(d0)"});
        if (roll < 77) return cat({"R(", number(kMaxRecursionDepth), ", ", expression(depth + 1), ")"});
        if (roll < 90) {
            std::string call = functionCall(depth + 1);
            if (!call.empty()) return call;
        }
        return oneOf(scope_->scalars);
    }

    std::string index() {
        int roll = below(10);
        if (roll < 7) return number(kArrayUpper);
        if (roll < 8) return chance(50) ? "-1" : std::to_string(kArrayUpper + 1);
        return oneOf(scope_->scalars);
    }

    std::string element() {
        switch (below(3)) {
        case 0: return "a0(" + index() + ")";
        case 1: return "d0(" + index() + ")";
        default: return cat({"m0(", number(kMatrixUpper), ", ", number(kMatrixUpper), ")"});
        }
    }

    // Mostly a comparison, the form loops and Ifs take their jump from.
    std::string condition() {
        int roll = below(10);
        if (roll < 6) return cat({operand(1), " ", oneOf(kComparisons), " ", operand(1)});
        if (roll < 8)
            return cat({"(", operand(2), " ", oneOf(kComparisons), " ", operand(2), ") ", chance(50) ? "And" : "Or",
                        " ", oneOf(scope_->scalars), " ", oneOf(kComparisons), " ", oneOf(kLiterals)});
        return expression(1);
    }

    std::string arguments(int count, int depth) {
        std::string text;
        for (int i = 0; i < count; ++i) {
            if (i) text += ", ";
            int roll = below(10);
            if (roll < 5) text += oneOf(scope_->scalars);  // ByRef reaches the variable
            else if (roll < 6) text += "(" + oneOf(scope_->scalars) + ")";
            else if (roll < 7) text += element();
            else text += expression(depth);
        }
        return text;
    }

    // A call of a user Function in an expression, or "" where none may be called.
    std::string functionCall(int depth) {
        if (!callsAllowed()) return "";
        std::vector<const Procedure*> functions;
        for (size_t i = 0; i < scope_->callable; ++i)
            if (procedures_[i].isFunction) functions.push_back(&procedures_[i]);
        if (functions.empty()) return "";
        const Procedure& f = *functions[below(functions.size())];
        ++scope_->callSites;
        return f.name + "(" + arguments(f.parameters, depth) + ")";
    }

    // ---- statements ----
    void block(int depth, int count) {
        ++indent_;
        for (int i = 0; i < count; ++i) statement(depth);
        --indent_;
    }
    void innerBlock(int depth) { block(depth + 1, 1 + below(kMaxBlockStatements)); }

    void statement(int depth) {
        bool blocks = depth < maxBlockDepth();
        int roll = below(100);
        if (roll < 30 || (!blocks && roll >= 50 && roll < 80)) return assignment();
        if (roll < 38) return print(oneOf(scope_->scalars));
        if (roll < 46) return arrayStatement();
        if (roll < 52) return callStatement();
        if (roll < 56) return exitStatement();
        if (roll < 62) return guardedStatement(depth);
        if (roll < 66) return withStatement();
        if (!blocks) return assignment();
        if (roll < 74) return ifStatement(depth);
        if (roll < 78) return selectCase(depth);
        if (roll < 86) return forLoop(depth);
        if (roll < 90) return forEachLoop(depth);
        if (roll < 96) return doLoop(depth);
        whileLoop(depth);
    }

    void assignment() {
        const std::string& target = oneOf(scope_->scalars);
        switch (below(9)) {
        case 0: line(target + " = " + target + " & " + expression(1)); break;  // in-place append
        case 8: return edgeArithmetic(target);
        case 1: line(cat({target, " = ", target, " ", oneOf(kOperators), " ", operand(2)})); break;
        case 2: line(target + " = " + target + (chance(50) ? " + 1" : " - 1")); break;
        case 3: line(cat({target, " = ", operand(2), " ", oneOf(kOperators), " ", operand(2)})); break;
        case 4:
            if (!scope_->function.empty()) { line(scope_->function + " = " + expression(0)); break; }
            [[fallthrough]];
        default: line(target + " = " + expression(0)); break;
        }
        if (chance(25)) print(target);
    }

    // A variable set to a value at a subtype's edge, then one step across it.
    void edgeArithmetic(const std::string& target) {
        line(target + " = " + oneOf(kEdgeValues));
        if (chance(50)) line(cat({target, " = ", target, " ", oneOf(kArithmetic), " ", oneOf(kSmallValues)}));
        else line(cat({target, " = ", oneOf(kSmallValues), " ", oneOf(kArithmetic), " ", target}));
        print(target);
    }

    void arrayStatement() {
        switch (below(6)) {
        case 0: line("ReDim Preserve d0(" + number(kArrayUpper + 2) + ")"); break;
        case 1: line(cat({"a0(", index(), ") = a0(", index(), ") + ", operand(2)})); break;
        case 2: line(cat({"m0(", number(kMatrixUpper), ", ", number(kMatrixUpper), ") = ", expression(1)})); break;
        case 3: print(chance(50) ? "a0" : "d0"); break;
        default: line(cat({element(), " = ", expression(1)})); break;
        }
    }

    void callStatement() {
        if (!callsAllowed() || scope_->callable == 0) return assignment();
        const Procedure& p = procedures_[below(scope_->callable)];
        ++scope_->callSites;
        std::string args = arguments(p.parameters, 1);
        if (p.isFunction && chance(60)) line(oneOf(scope_->scalars) + " = " + p.name + "(" + args + ")");
        else if (chance(50)) line("Call " + p.name + "(" + args + ")");
        else line(p.name + (args.empty() ? "" : " " + args));
    }

    void exitStatement() {
        if (loops_.empty() || loops_.back() == LoopKind::While) return assignment();
        line("If " + condition() + " Then Exit " + (loops_.back() == LoopKind::For ? "For" : "Do"));
    }

    // Lets one statement fail and shows what Err holds after it.
    void guardedStatement(int depth) {
        bool wasResuming = scope_->resumeNext;
        if (!wasResuming) line("On Error Resume Next");
        scope_->resumeNext = true;
        statement(depth);
        line("P \"err\", Err.Number & \" \" & Err.Description");
        line("Err.Clear");
        scope_->resumeNext = wasResuming;
        if (!wasResuming) line("On Error GoTo 0");
    }

    void withStatement() {
        line("With o0");
        ++indent_;
        line(".a = " + expression(1));
        if (chance(50)) line(".Val = " + expression(1));
        line("P \"o0.a\", .a");
        line("P \"o0.Total\", .Total()");
        --indent_;
        line("End With");
    }

    void ifStatement(int depth) {
        if (chance(25)) {  // the one-line forms
            std::string text = cat({"If ", condition(), " Then ", oneOf(scope_->scalars), " = ", expression(2)});
            if (chance(50)) text += cat({" Else ", oneOf(scope_->scalars), " = ", expression(2)});
            return line(text);
        }
        line("If " + condition() + " Then");
        innerBlock(depth);
        if (chance(30)) {
            line("ElseIf " + condition() + " Then");
            innerBlock(depth);
        }
        if (chance(50)) {
            line("Else");
            innerBlock(depth);
        }
        line("End If");
    }

    void selectCase(int depth) {
        line("Select Case " + expression(1));
        int cases = 1 + below(3);
        for (int i = 0; i < cases; ++i) {
            std::string labels = operand(2);
            if (chance(40)) labels += ", " + oneOf(kLiterals);
            line("Case " + labels);
            innerBlock(depth);
        }
        if (chance(60)) {
            line("Case Else");
            innerBlock(depth);
        }
        line("End Select");
    }

    std::string newGuard() {
        std::string name = "k" + std::to_string(scope_->guards.size());
        scope_->guards.push_back(name);
        return name;
    }
    // The length of the scope's variables as one text (never an error: they
    // hold no arrays or objects).
    std::string textLength() const {
        std::string joined;
        for (const auto& name : scope_->scalars) joined += (joined.empty() ? "" : " & ") + name;
        return "Len(" + joined + ")";
    }
    std::string guardPass(const std::string& guard) {
        return guard + " = " + guard + " + 1: If " + guard + " > " + std::to_string(kMaxLoopPasses) + " Or " +
               textLength() + " > " + std::to_string(kMaxTextLength) + " Then ";
    }
    // The loop's kind stays on loops_ from its header to its end: a header
    // condition runs on every pass too.
    void openLoop(LoopKind kind) { loops_.push_back(kind); }
    void closeLoop(const std::string& text) {
        loops_.pop_back();
        line(text);
    }

    void forLoop(int depth) {
        std::string guard = newGuard();
        std::string counter = oneOf(scope_->scalars);
        std::string start = chance(80) ? oneOf(kForStarts) : operand(2);
        std::string end = chance(80) ? oneOf(kForEnds) : operand(2);
        line(guard + " = 0");
        line("For " + counter + " = " + start + " To " + end + oneOf(kForSteps));
        openLoop(LoopKind::For);
        line("  " + guardPass(guard) + "Exit For");
        innerBlock(depth);
        closeLoop("Next");
        if (chance(50)) print(counter);
    }

    void forEachLoop(int depth) {
        std::string guard = newGuard();
        std::string item = oneOf(scope_->scalars);
        line(guard + " = 0");
        line("For Each " + item + " In " + oneOf({"a0", "d0", "m0"}));
        openLoop(LoopKind::For);
        line("  " + guardPass(guard) + "Exit For");
        innerBlock(depth);
        closeLoop("Next");
    }

    void doLoop(int depth) {
        std::string guard = newGuard();
        line(guard + " = 0");
        openLoop(LoopKind::Do);
        int form = below(5);
        if (form == 0) line("Do While " + condition());
        else if (form == 1) line("Do Until " + condition());
        else line("Do");
        line("  " + guardPass(guard) + "Exit Do");
        innerBlock(depth);
        if (form == 2) closeLoop("Loop While " + condition());
        else if (form == 3) closeLoop("Loop Until " + condition());
        else closeLoop("Loop");
    }

    // While has no Exit, and a condition that fails under On Error Resume
    // Next runs the body again and again: there its condition is its guard
    // alone, which cannot fail.
    void whileLoop(int depth) {
        std::string guard = newGuard();
        std::string passes = std::to_string(1 + below(kMaxLoopPasses));
        line(guard + " = 0");
        openLoop(LoopKind::While);
        std::string header = "While " + guard + " < " + passes + " And " + textLength() + " <= " +
                             std::to_string(kMaxTextLength);
        if (scope_->resumeNext) line(header);
        else line(header + " And (" + condition() + ")");
        line("  " + guard + " = " + guard + " + 1");
        innerBlock(depth);
        closeLoop("Wend");
    }

    // ---- program parts ----
    void classDefinition() {
        line("Class C0");
        ++indent_;
        line("Public a, b");
        line("Private c");
        line("Private Sub Class_Initialize()");
        line(cat({"  a = ", oneOf(kLiterals), ": b = ", oneOf(kLiterals), ": c = ", oneOf(kLiterals)}));
        line("End Sub");
        line("Public Function Total()");
        line("  Total = a " + oneOf(kOperators) + " c");
        line("End Function");
        line("Public Property Get Twice()");
        line("  Twice = b & b");
        line("End Property");
        line("Public Property Let Val(v)");
        line("  c = v");
        line("End Property");
        --indent_;
        line("End Class");
    }

    void recursiveFunction() {
        line("Function R(ByVal d, ByVal x)");
        line("  If d > 0 Then");
        line(cat({"    R = R(d - 1, x ", oneOf({"+", "-", "*", "&"}), " d) ", oneOf({"+", "-", "&", "Mod"}), " d"}));
        line("  Else");
        line("    R = x");
        line("  End If");
        line("End Function");
    }

    // The body is written first, then the header and the declarations of
    // what it used (its guards).
    void procedure(int index) {
        Procedure p;
        p.isFunction = chance(60);
        p.name = (p.isFunction ? "F" : "S") + std::to_string(index);
        p.parameters = below(kMaxParameters + 1);

        Scope scope;
        scope.global = false;
        scope.callable = procedures_.size();
        scope.resumeNext = chance(50);
        if (p.isFunction) scope.function = p.name;
        std::string header = (p.isFunction ? "Function " : "Sub ") + p.name + "(";
        for (int i = 0; i < p.parameters; ++i) {
            std::string name = "p" + std::to_string(i);
            header += (i ? ", " : "") + std::string(oneOf({"", "ByVal ", "ByRef "})) + name;
            scope.scalars.push_back(name);
        }
        header += ")";
        for (int i = 0; i < kLocalScalars; ++i) scope.scalars.push_back("l" + std::to_string(i));
        scope.scalars.push_back("g" + std::to_string(below(kGlobalScalars)));

        std::ostringstream body;
        std::ostringstream* outer = out_;
        out_ = &body;
        scope_ = &scope;
        ++indent_;
        for (int i = 0; i < kLocalScalars; ++i)
            if (chance(80)) line("l" + std::to_string(i) + " = " + oneOf(kLiterals));
        int count = 1 + below(kMaxProcedureStatements);
        for (int i = 0; i < count; ++i) statement(0);
        if (p.isFunction) line(p.name + " = " + expression(0));
        for (const auto& name : scope.scalars) line("P \"" + p.name + "." + name + "\", " + name);
        --indent_;
        out_ = outer;

        line(header);
        std::string locals = "  Dim l0";
        for (int i = 1; i < kLocalScalars; ++i) locals += ", l" + std::to_string(i);
        for (const auto& guard : scope.guards) locals += ", " + guard;
        line(locals);
        if (scope.resumeNext) line("  On Error Resume Next");
        *out_ << body.str();
        line(p.isFunction ? "End Function" : "End Sub");
        procedures_.push_back(p);
    }

    void globalCode() {
        Scope scope;
        scope.callable = procedures_.size();
        scope.resumeNext = chance(75);
        for (int i = 0; i < kGlobalScalars; ++i) scope.scalars.push_back("g" + std::to_string(i));
        scope_ = &scope;

        std::ostringstream body;
        std::ostringstream* outer = out_;
        out_ = &body;
        if (scope.resumeNext) line("On Error Resume Next");
        for (const auto& name : scope.scalars) line(name + " = " + oneOf(kLiterals));
        line("ReDim d0(" + std::to_string(kArrayUpper) + ")");
        line("Set o0 = New C0");
        for (int i = 0; i <= kArrayUpper; ++i)
            if (chance(50)) line("a0(" + std::to_string(i) + ") = " + oneOf(kLiterals));
        int count = 1 + below(kMaxGlobalStatements);
        for (int i = 0; i < count; ++i) statement(0);
        for (const auto& name : scope.scalars) print(name);
        for (const char* array : {"a0", "d0", "m0"}) print(array);
        line("P \"o0.a\", o0.a");
        line("P \"err\", Err.Number");
        out_ = outer;

        std::string globals = "Dim ";
        for (const auto& name : scope.scalars) globals += name + ", ";
        for (const auto& guard : scope.guards) globals += guard + ", ";
        globals += "a0(" + std::to_string(kArrayUpper) + "), d0(), m0(" + std::to_string(kMatrixUpper) + ", " +
                   std::to_string(kMatrixUpper) + "), o0";
        line(globals);
        *out_ << body.str();
    }

    std::mt19937_64 rng_;
    std::ostringstream* out_ = nullptr;
    int indent_ = 0;
    Scope* scope_ = nullptr;
    std::vector<Procedure> procedures_;
    std::vector<LoopKind> loops_;
};

}  // namespace

std::string generateProgram(uint64_t seed) { return Generator(seed).program(); }

}  // namespace vbs::testing

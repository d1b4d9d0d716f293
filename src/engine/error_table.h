// Every error number the engine raises and its English text, in one table.
// Run-time errors (below 1000) and compilation errors (1001 and up) share it;
// `errorText` answers "Unknown runtime error" for numbers it does not know.
#pragma once

#include <cstdint>
#include <string>

namespace vbs {

namespace err {
// Run-time errors.
constexpr int32_t InvalidProcCall = 5;
constexpr int32_t Overflow = 6;
constexpr int32_t OutOfMemory = 7;
constexpr int32_t SubscriptOutOfRange = 9;
constexpr int32_t ArrayLocked = 10;
constexpr int32_t DivisionByZero = 11;
constexpr int32_t TypeMismatch = 13;
constexpr int32_t OutOfStringSpace = 14;
constexpr int32_t CantPerformOperation = 17;
constexpr int32_t OutOfStackSpace = 28;
constexpr int32_t SubNotDefined = 35;
constexpr int32_t InternalError = 51;
constexpr int32_t BadFileNameOrNumber = 52;
constexpr int32_t FileNotFound = 53;
constexpr int32_t BadFileMode = 54;
constexpr int32_t FileAlreadyOpen = 55;
constexpr int32_t DeviceIOError = 57;
constexpr int32_t FileAlreadyExists = 58;
constexpr int32_t DiskFull = 61;
constexpr int32_t InputPastEndOfFile = 62;
constexpr int32_t TooManyFiles = 67;
constexpr int32_t DeviceUnavailable = 68;
constexpr int32_t PermissionDenied = 70;
constexpr int32_t DiskNotReady = 71;
constexpr int32_t CantRenameWithDifferentDrive = 74;
constexpr int32_t PathFileAccessError = 75;
constexpr int32_t PathNotFound = 76;
constexpr int32_t ObjectVariableNotSet = 91;
constexpr int32_t ForLoopNotInitialized = 92;
constexpr int32_t InvalidUseOfNull = 94;
constexpr int32_t CantCreateTempFile = 322;
constexpr int32_t ObjectRequired = 424;
constexpr int32_t CantCreateObject = 429;
constexpr int32_t ClassNotAutomation = 430;
constexpr int32_t FileOrClassNotFound = 432;
constexpr int32_t MemberNotSupported = 438;   // Object doesn't support this property or method
constexpr int32_t ActionNotSupported = 445;
constexpr int32_t NamedArgsNotSupported = 446;
constexpr int32_t LocaleNotSupported = 447;
constexpr int32_t NamedArgNotFound = 448;
constexpr int32_t ArgumentNotOptional = 449;
constexpr int32_t WrongArgCount = 450;         // Wrong number of arguments or invalid property assignment
constexpr int32_t NotACollection = 451;
constexpr int32_t DllFunctionNotFound = 453;
constexpr int32_t KeyAlreadyExists = 457;
constexpr int32_t UnsupportedAutomationType = 458;
constexpr int32_t RemoteServerUnavailable = 462;
constexpr int32_t InvalidPicture = 481;
constexpr int32_t VariableUndefined = 500;
constexpr int32_t IllegalAssignmentShort = 501;
constexpr int32_t NotSafeForScripting = 502;
constexpr int32_t NotSafeForInitializing = 503;
constexpr int32_t NotSafeForCreating = 504;
constexpr int32_t InvalidReference = 505;
constexpr int32_t ClassNotDefined = 506;
constexpr int32_t ExceptionOccurred = 507;
constexpr int32_t IllegalAssignment = 5008;
constexpr int32_t RegExpObjectExpected = 5016;
constexpr int32_t RegExpSyntax = 5017;
constexpr int32_t RegExpUnexpectedQuantifier = 5018;
constexpr int32_t RegExpExpectedBracket = 5019;
constexpr int32_t RegExpExpectedParen = 5020;
constexpr int32_t RegExpInvalidRange = 5021;
constexpr int32_t ElementNotFound = 32811;
// Our own: a call that ran past the engine's Timeout. Scripts cannot trap it
// (On Error Resume Next does not resume after it), so a runaway loop always ends.
constexpr int32_t ScriptTimedOut = 5050;
// Our own: a host object ended the run (WScript.Quit). Untrappable like the
// time limit, so the statements after the call never run.
constexpr int32_t ScriptEnded = 5051;
// Our own: the application stopped the call (ScriptEngine::Interrupt, the
// user's Escape in the window). Untrappable like the time limit.
constexpr int32_t ScriptInterrupted = 5052;
// Errors that On Error Resume Next does not resume after.
inline bool endsScript(int32_t number) {
    return number == ScriptTimedOut || number == ScriptEnded || number == ScriptInterrupted;
}

// Compilation errors.
constexpr int32_t SyntaxOutOfMemory = 1001;
constexpr int32_t SyntaxError = 1002;
constexpr int32_t ExpectedColon = 1003;
constexpr int32_t ExpectedLParen = 1005;
constexpr int32_t ExpectedRParen = 1006;
constexpr int32_t ExpectedRBracket = 1007;
constexpr int32_t ExpectedIdentifier = 1010;
constexpr int32_t ExpectedEquals = 1011;
constexpr int32_t ExpectedIf = 1012;
constexpr int32_t ExpectedTo = 1013;
constexpr int32_t ExpectedEnd = 1014;
constexpr int32_t ExpectedFunction = 1015;
constexpr int32_t ExpectedSub = 1016;
constexpr int32_t ExpectedThen = 1017;
constexpr int32_t ExpectedWend = 1018;
constexpr int32_t ExpectedLoop = 1019;
constexpr int32_t ExpectedNext = 1020;
constexpr int32_t ExpectedCase = 1021;
constexpr int32_t ExpectedSelect = 1022;
constexpr int32_t ExpectedExpression = 1023;
constexpr int32_t ExpectedStatement = 1024;
constexpr int32_t ExpectedEndOfStatement = 1025;
constexpr int32_t ExpectedIntegerConstant = 1026;
constexpr int32_t ExpectedWhileOrUntil = 1027;
constexpr int32_t ExpectedWhileUntilOrEnd = 1028;
constexpr int32_t ExpectedWith = 1029;
constexpr int32_t IdentifierTooLong = 1030;
constexpr int32_t InvalidNumber = 1031;
constexpr int32_t InvalidCharacter = 1032;
constexpr int32_t UnterminatedString = 1033;
constexpr int32_t UnterminatedComment = 1034;
constexpr int32_t InvalidUseOfMe = 1037;
constexpr int32_t LoopWithoutDo = 1038;
constexpr int32_t InvalidExit = 1039;
constexpr int32_t InvalidForControl = 1040;
constexpr int32_t NameRedefined = 1041;
constexpr int32_t MustBeFirstStatement = 1042;
constexpr int32_t CannotAssignToNonByVal = 1043;
constexpr int32_t ParensCallingSub = 1044;
constexpr int32_t ExpectedLiteralConstant = 1045;
constexpr int32_t ExpectedIn = 1046;
constexpr int32_t ExpectedClass = 1047;
constexpr int32_t MustBeInsideClass = 1048;
constexpr int32_t ExpectedLetSetGet = 1049;
constexpr int32_t ExpectedProperty = 1050;
constexpr int32_t InconsistentPropertyArgs = 1051;
constexpr int32_t MultipleDefaults = 1052;
constexpr int32_t InitTerminateArgs = 1053;
constexpr int32_t PropertyNeedsArgument = 1054;
constexpr int32_t UnexpectedNext = 1055;
constexpr int32_t DefaultOnlyOnMember = 1056;
constexpr int32_t DefaultMustBePublic = 1057;
constexpr int32_t DefaultOnlyOnPropertyGet = 1058;
}  // namespace err

// The English text of an error number; "Unknown runtime error" if unknown.
const char* errorText(int32_t number);
// True if the table holds the number (Err.Raise uses it for default texts).
bool isKnownError(int32_t number);
// Compilation errors are 1001..1099; everything else is a run-time error.
bool isCompileError(int32_t number);

// The two values of an error's Source: Windows' texts, so scripts written for
// it that compare Err.Source keep working (docs/engine.md).
inline constexpr const char* kRuntimeSource = "Microsoft VBScript runtime error";
inline constexpr const char* kCompileSource = "Microsoft VBScript compilation error";

}  // namespace vbs

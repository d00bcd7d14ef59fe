// Identifiers of the engine's string table. Parse messages are 1 to 5,
// run-time messages 1000 and up. The texts live in CorvelStringTable.cpp.
#pragma once

namespace CorvelMessages {

enum : unsigned int {
    // Parsing.
    MissingRightBracket = 1,
    SyntaxError = 2,
    UnrecognisedCharacters = 3,
    CommentHasNoEnd = 4,
    NestedTooDeeply = 5,

    // Running.
    FunctionAbort = 1000,
    FatalRuntimeError = 1001,
    UserAbort = 1002,
    InternalForIn = 1003,
    InternalFunctionCall = 1004,
    NotAFunction = 1005,
    InternalScriptFunction = 1006,
    InternalNew = 1007,
    NewOnNonObject = 1008,
    NewReturnedNonObject = 1009,
    InternalWith = 1010,
    BaseOfNonReference = 1011,
    PropertyOfNonReference = 1012,
    ObjectDestroyed = 1013,
    CannotAssign = 1014,
    ErrorRunningScript = 1015,
    ErrorRunningScriptSeeConsole = 1016,
    CreatedFunctionParseError = 1017,
    IllegalArrayLength = 1018,
    InternalToPrimitive = 1019,
    CannotConvertToObject = 1020,
    EvalCodeErrors = 1021,
    InternalEval = 1022,
    DefaultValueFailed = 1023,
    NotAString = 1024,
    NotABoolean = 1025,
    NotANumber = 1026,
    NotADate = 1027,
    NotAFunctionObject = 1028,
    UndefinedIdentifier = 1029,
    MissingObject = 1030,
    CallsNestedTooDeeply = 1031,
    InternalStatementRecord = 1032,
    TextTooLong = 1033,
    OutOfMemory = 1034,
};

}  // namespace CorvelMessages

class QelResource;

// The "CORVEL" string table, filled on first use.
QelResource* CorvelGetStringTable();

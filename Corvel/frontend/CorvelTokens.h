// Token numbers shared by the lexer, the parser tables and the edit control.
#pragma once

namespace CorvelTokens {

enum : int {
    EndOfInput = 0,
    ErrorToken = 256,

    Break = 257, Continue, Delete, Else, For, Function, If, In, New, Return, This, Typeof, Var, Void, While, With,
    Identifier = 273,

    Assign = 274, Greater, Less, Equal, LessEqual, GreaterEqual, NotEqual, Comma, Not, BitNot, Question, Colon, Dot,
    And, Or, Increment, Decrement, Plus, Minus, Times, Divide, BitAnd, BitOr, BitXor, Modulo, ShiftLeft, ShiftRight,
    ShiftRightUnsigned, PlusAssign, MinusAssign, TimesAssign, DivideAssign, BitAndAssign, BitOrAssign, BitXorAssign,
    ModuloAssign, ShiftLeftAssign, ShiftRightAssign, ShiftRightUnsignedAssign, LeftParen, RightParen, LeftBrace,
    RightBrace, LeftBracket, RightBracket, Semicolon = 319,
    Literal = 320,

    // Future reserved words: "abstract" 1000 to "volatile" 1039.
    FirstReserved = 1000,
    LastReserved = 1039,

    // Only while tokenising a line for the editor.
    WhiteSpace = 2000,
    CommentEnd = 2001,
    CommentOpenAtEnd = 2002,
    Unrecognised = 2003,
};

static_assert(Semicolon == 319, "punctuators run from 274 to 319");

}  // namespace CorvelTokens

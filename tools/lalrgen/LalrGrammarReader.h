// Reads the grammar file format:
//
//   %name Prefix                      prefix of the exported tables
//   %token-namespace Namespace        check token numbers against Namespace::Name
//   %prologue { code }                copied to the top of the output
//   %token [<Type>] Name Number ["spelling"]
//   %type <Type> Symbol...
//   %destructor { code using $$ } Symbol...
//   %prefer-shift Token...            shift/reduce conflicts on these shift
//   %after-action { code }            after the action of every rule whose
//                                     left side has a destructor
//   %start Symbol
//   %%
//   Lhs : Symbol "spelling" ... { code using $$ and $1... } | ... ;
//
// Comments are // and /* */. The error token is predefined as "error".
#pragma once

#include "LalrGrammar.h"

#include <string>

class LalrGrammarReader {
public:
    // False with a message "file:line: text" when the grammar is malformed.
    static bool Read(const std::string& text, const std::string& fileName, LalrGrammar& grammar,
                     std::string& error);
};

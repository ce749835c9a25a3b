#pragma once

#include <string>

namespace quillox::sql {

enum class TokenKind {
    Keyword,    // SELECT FROM WHERE AND OR NOT LIKE, text upper-cased
    Identifier, // a table or column name
    String,     // a quoted literal, text without quotes
    Number,     // a run of digits
    Symbol,     // ( ) , ; * = >= <=
    Unknown,    // any other character
    End,
};

struct Token {
    TokenKind kind = TokenKind::End;
    std::string text;   // the value: keyword upper-cased, literal unquoted
    std::string source; // the token as written, for messages
    int line = 1;
    int column = 1;

    bool is(TokenKind k, const char* t) const { return kind == k && text == t; }
    bool isSymbol(const char* t) const { return is(TokenKind::Symbol, t); }
    bool isKeyword(const char* t) const { return is(TokenKind::Keyword, t); }
};

} // namespace quillox::sql

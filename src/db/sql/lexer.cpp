#include "db/sql/lexer.h"

#include "db/sql/syntax_error.h"

#include <array>
#include <string_view>

namespace quillox::sql {
namespace {

constexpr std::array<std::string_view, 7> keywords = {"SELECT", "FROM", "WHERE", "AND",
                                                      "OR",     "NOT",  "LIKE"};

bool isWordByte(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

bool isDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}

bool isContinuationByte(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

std::string upper(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

class Lexer {
public:
    explicit Lexer(const std::string& text) : text_(text) {}

    std::vector<Token> run() {
        std::vector<Token> tokens;
        for (;;) {
            skipBlanks();
            Token token;
            token.line = line_;
            token.column = column_;
            if (pos_ >= text_.size()) {
                token.kind = TokenKind::End;
                token.source = "<end>";
                tokens.push_back(std::move(token));
                return tokens;
            }
            const std::size_t start = pos_;
            readToken(token);
            token.source = text_.substr(start, pos_ - start);
            tokens.push_back(std::move(token));
        }
    }

private:
    unsigned char peek(std::size_t ahead = 0) const {
        return pos_ + ahead < text_.size() ? static_cast<unsigned char>(text_[pos_ + ahead]) : 0;
    }

    // Moves one byte on, keeping line and column; a column counts characters.
    void advance() {
        const unsigned char c = peek();
        ++pos_;
        if (c == '\n' || (c == '\r' && peek() != '\n')) {
            ++line_;
            column_ = 1;
        } else if (c != '\r' && !isContinuationByte(c)) {
            ++column_;
        }
    }

    void skipBlanks() {
        while (pos_ < text_.size()) {
            const unsigned char c = peek();
            if (c != ' ' && c != '\t' && c != '\r' && c != '\n' && c != '\f' && c != '\v')
                return;
            advance();
        }
    }

    void readToken(Token& token) {
        const unsigned char c = peek();
        if (isWordByte(c)) {
            readWord(token);
        } else if (c == '\'' || c == '"') {
            readString(token);
        } else if ((c == '>' || c == '<') && peek(1) == '=') {
            token.kind = TokenKind::Symbol;
            token.text = {static_cast<char>(c), '='};
            advance();
            advance();
        } else if (std::string_view("(),;*=").find(static_cast<char>(c)) !=
                   std::string_view::npos) {
            token.kind = TokenKind::Symbol;
            token.text = std::string(1, static_cast<char>(c));
            advance();
        } else {
            token.kind = TokenKind::Unknown;
            advance();
            while (pos_ < text_.size() && isContinuationByte(peek()))
                advance();
        }
    }

    void readWord(Token& token) {
        const std::size_t start = pos_;
        bool digitsOnly = true;
        while (pos_ < text_.size() && isWordByte(peek())) {
            digitsOnly = digitsOnly && isDigit(peek());
            advance();
        }
        token.text = text_.substr(start, pos_ - start);
        if (digitsOnly) {
            token.kind = TokenKind::Number;
            return;
        }
        const std::string upperText = upper(token.text);
        for (std::string_view keyword : keywords) {
            if (upperText == keyword) {
                token.kind = TokenKind::Keyword;
                token.text = upperText;
                return;
            }
        }
        token.kind = TokenKind::Identifier;
    }

    void readString(Token& token) {
        const char quote = static_cast<char>(peek());
        advance();
        token.kind = TokenKind::String;
        for (;;) {
            if (pos_ >= text_.size()) {
                throw SyntaxError(SyntaxErrorCode::UnterminatedString,
                                  "Unterminated string at " +
                                      positionText(token.line, token.column));
            }
            const char c = static_cast<char>(peek());
            advance();
            if (c == quote) {
                if (static_cast<char>(peek()) != quote || pos_ >= text_.size())
                    return;
                advance();
            }
            token.text.push_back(c);
        }
    }

    const std::string& text_;
    std::size_t pos_ = 0;
    int line_ = 1;
    int column_ = 1;
};

} // namespace

std::vector<Token> tokenize(const std::string& text) {
    return Lexer(text).run();
}

} // namespace quillox::sql

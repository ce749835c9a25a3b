#include "db/sql/parser.h"

#include "db/sql/input_excerpt.h"
#include "db/sql/lexer.h"
#include "db/sql/syntax_error.h"

namespace quillox::sql {
namespace {

// Parentheses and NOT nest; past this depth a text is refused rather than risking the stack.
constexpr int maxNesting = 200;

// A token as a message quotes it.
std::string shown(const Token& token) {
    return inputExcerpt(token.source);
}

class Parser {
public:
    explicit Parser(const std::string& text) : tokens_(tokenize(text)) {}

    SelectStatement statement() {
        SelectStatement result;
        expectKeyword("SELECT");
        if (current().isSymbol("*")) {
            result.allColumns = true;
            ++pos_;
        } else {
            result.columns.push_back(name());
            while (current().isSymbol(",")) {
                ++pos_;
                result.columns.push_back(name());
            }
        }
        expectKeyword("FROM");
        result.table = name();
        if (current().isKeyword("WHERE")) {
            ++pos_;
            result.where = orCondition(0);
        }
        if (current().isSymbol(";"))
            ++pos_;
        expectEnd();
        return result;
    }

    std::unique_ptr<Condition> filter() {
        auto condition = orCondition(0);
        expectEnd();
        return condition;
    }

private:
    const Token& current() const { return tokens_[pos_]; }

    [[noreturn]] void fail(SyntaxErrorCode code, const std::string& what) const {
        throw SyntaxError(code, what + " at " + positionText(current().line, current().column));
    }

    [[noreturn]] void expected(const std::string& what) const {
        fail(SyntaxErrorCode::TokenExpected,
             "Token '" + what + "' expected, but '" + shown(current()) + "' found");
    }

    [[noreturn]] void unexpected() const {
        fail(SyntaxErrorCode::UnexpectedToken, "Unexpected token '" + shown(current()) + "' found");
    }

    void expectKeyword(const char* keyword) {
        if (!current().isKeyword(keyword))
            expected(keyword);
        ++pos_;
    }

    void expectEnd() const {
        if (current().kind != TokenKind::End)
            unexpected();
    }

    Located name() {
        if (current().kind != TokenKind::Identifier)
            expected("identifier");
        Located result{current().text, current().line, current().column};
        ++pos_;
        return result;
    }

    std::unique_ptr<Condition> orCondition(int depth) {
        return chain(ConditionKind::Or, "OR", depth, [this](int d) {
            return chain(ConditionKind::And, "AND", d, [this](int e) { return unary(e); });
        });
    }

    template <typename Operand>
    std::unique_ptr<Condition> chain(ConditionKind kind, const char* keyword, int depth,
                                     Operand operand) {
        auto first = operand(depth);
        if (!current().isKeyword(keyword))
            return first;
        auto node = std::make_unique<Condition>();
        node->kind = kind;
        node->operands.push_back(std::move(first));
        while (current().isKeyword(keyword)) {
            ++pos_;
            node->operands.push_back(operand(depth));
        }
        return node;
    }

    std::unique_ptr<Condition> unary(int depth) {
        if (depth >= maxNesting)
            fail(SyntaxErrorCode::TooDeeplyNested, "Expression nested too deeply");
        if (current().isKeyword("NOT")) {
            ++pos_;
            auto node = std::make_unique<Condition>();
            node->kind = ConditionKind::Not;
            node->operands.push_back(unary(depth + 1));
            return node;
        }
        if (current().isSymbol("(")) {
            ++pos_;
            auto inner = orCondition(depth + 1);
            if (!current().isSymbol(")"))
                expected(")");
            ++pos_;
            return inner;
        }
        if (current().kind != TokenKind::Identifier) {
            fail(SyntaxErrorCode::BooleanExpected,
                 "Boolean expression expected, but '" + shown(current()) + "' found");
        }
        return test();
    }

    std::unique_ptr<Condition> test() {
        auto node = std::make_unique<Condition>();
        node->column = name();
        if (current().isKeyword("LIKE")) {
            node->kind = ConditionKind::Like;
            ++pos_;
            if (current().kind != TokenKind::String)
                unexpected();
        } else if (current().isSymbol("=") || current().isSymbol(">=") ||
                   current().isSymbol("<=")) {
            node->kind = ConditionKind::Compare;
            node->op = current().text;
            ++pos_;
            if (current().kind != TokenKind::String && current().kind != TokenKind::Number)
                unexpected();
        } else {
            expected("=");
        }
        node->literal.text = current().text;
        node->literal.line = current().line;
        node->literal.column = current().column;
        node->literal.kind =
            current().kind == TokenKind::Number ? LiteralKind::Number : LiteralKind::Text;
        ++pos_;
        return node;
    }

    std::vector<Token> tokens_;
    std::size_t pos_ = 0;
};

} // namespace

SelectStatement parseStatement(const std::string& text) {
    return Parser(text).statement();
}

std::unique_ptr<Condition> parseFilter(const std::string& text) {
    return Parser(text).filter();
}

} // namespace quillox::sql

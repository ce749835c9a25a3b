// Feeds arbitrary bytes to the statement and filter parser. Any text must either parse or be
// refused with a SyntaxError whose message places the fault inside the text; anything else
// (a crash, a sanitizer report, another exception) is a finding.

#include "db/sql/parser.h"
#include "db/sql/syntax_error.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using quillox::sql::Condition;
using quillox::sql::Located;

// Lines of the text, counted as the lexer counts them.
int lineCount(const std::string& text) {
    int lines = 1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
            ++lines;
    }
    return lines;
}

void checkPlace(const Located& located, int lines, std::size_t size) {
    if (located.line < 1 || located.line > lines || located.column < 1 ||
        static_cast<std::size_t>(located.column) > size + 1)
        std::abort();
}

void checkMessage(const quillox::sql::SyntaxError& error, int lines, std::size_t size) {
    const std::string message = error.what();
    const std::size_t at = message.rfind(" at line ");
    Located place;
    if (at == std::string::npos || std::sscanf(message.c_str() + at, " at line %d, column %d",
                                               &place.line, &place.column) != 2)
        std::abort();
    checkPlace(place, lines, size);
}

void checkCondition(const Condition& condition, int lines, std::size_t size) {
    for (const auto& operand : condition.operands)
        checkCondition(*operand, lines, size);
    if (condition.operands.empty()) {
        checkPlace(condition.column, lines, size);
        checkPlace(condition.literal, lines, size);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const int lines = lineCount(text);
    try {
        const auto statement = quillox::sql::parseStatement(text);
        checkPlace(statement.table, lines, size);
        for (const Located& column : statement.columns)
            checkPlace(column, lines, size);
        if (statement.where)
            checkCondition(*statement.where, lines, size);
    } catch (const quillox::sql::SyntaxError& error) {
        checkMessage(error, lines, size);
    }
    try {
        checkCondition(*quillox::sql::parseFilter(text), lines, size);
    } catch (const quillox::sql::SyntaxError& error) {
        checkMessage(error, lines, size);
    }
    return 0;
}

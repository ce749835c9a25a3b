#include "db/condition_compiler.h"

#include "db/db_error.h"
#include "db/sql/input_excerpt.h"
#include "db/sql/syntax_error.h"
#include "db/substring_index.h"
#include "db/text_rules.h"

#include <algorithm>

namespace quillox::db {
namespace {

using sql::Condition;
using sql::ConditionKind;

[[noreturn]] void invalidLiteral(const sql::Literal& literal, const std::string& what) {
    throwEngineError("'" + sql::inputExcerpt(literal.text) + "' is not a valid " + what + " at " +
                         sql::positionText(literal.line, literal.column),
                     NativeError::InvalidLiteral);
}

// LIKE's "%" and "_" become GLOB's "*" and "?"; GLOB's own special characters are bracketed
// so that they match only themselves. GLOB compares characters, with case.
std::string likeToGlob(const std::string& pattern) {
    std::string glob;
    for (char c : pattern) {
        switch (c) {
        case '%':
            glob += '*';
            break;
        case '_':
            glob += '?';
            break;
        case '*':
        case '?':
        case '[':
            glob += '[';
            glob += c;
            glob += ']';
            break;
        default:
            glob += c;
        }
    }
    return glob;
}

Value comparisonValue(const sql::Literal& literal, const ColumnSchema& column) {
    switch (column.type) {
    case ftInteger: {
        const auto number = parseInt32(literal.text);
        if (!number)
            invalidLiteral(literal, "integer value");
        return static_cast<std::int64_t>(*number);
    }
    case ftDate: {
        const auto date = parseIsoDate(literal.text);
        if (!date || literal.kind != sql::LiteralKind::Text)
            invalidLiteral(literal, "date");
        return *date;
    }
    case ftString:
        break;
    }
    return literal.text;
}

// Written before the column of a range test, for the two forms of the condition.
constexpr std::string_view rangeMark = "\x01";

std::string replaceRangeMarks(const std::string& text, std::string_view replacement) {
    std::string result;
    for (const char c : text) {
        if (c == rangeMark.front())
            result += replacement;
        else
            result += c;
    }
    return result;
}

class Compiler {
public:
    explicit Compiler(const TableSchema& schema) : schema_(schema) {}

    CompiledCondition run(const Condition& condition) {
        CompiledCondition result;
        const std::string text = compile(condition);
        result.sql = replaceRangeMarks(text, "");
        // A unary plus keeps SQLite from answering the range test from an index, whose order
        // would have to be sorted back into row id order.
        result.sqlInRowidOrder = replaceRangeMarks(text, "+");
        result.parameters = std::move(parameters_);
        return result;
    }

private:
    std::string compile(const Condition& node) {
        switch (node.kind) {
        case ConditionKind::Or:
            if (const int column = sharedEqualityColumn(node); column >= 0)
                return compileIn(node, column);
            if (const int column = sharedSubstringColumn(node); column >= 0)
                return compileIndexedLikes(node.operands, column);
            [[fallthrough]];
        case ConditionKind::And: {
            const char* join = node.kind == ConditionKind::Or ? " OR " : " AND ";
            std::string text = "(";
            for (std::size_t i = 0; i < node.operands.size(); ++i)
                text += (i ? join : "") + compile(*node.operands[i]);
            return text + ")";
        }
        case ConditionKind::Not: {
            ++negations_;
            std::string text = "(NOT " + compile(*node.operands.front()) + ")";
            --negations_;
            return text;
        }
        case ConditionKind::Like: {
            const int column = resolveColumn(node.column, schema_);
            if (indexCanAnswer(node, column))
                return compileIndexedLikes(std::vector<const Condition*>{&node}, column);
            parameters_.push_back(likeToGlob(node.literal.text));
            return "(" + quoted(schema_.columns[static_cast<std::size_t>(column)].name) +
                   " GLOB ?)";
        }
        case ConditionKind::Compare:
            break;
        }
        const int column = resolveColumn(node.column, schema_);
        const ColumnSchema& definition = schema_.columns[static_cast<std::size_t>(column)];
        parameters_.push_back(comparisonValue(node.literal, definition));
        const bool range = node.op != "=" && node.op != "<>";
        return "(" + std::string(range ? rangeMark : "") + quoted(definition.name) + " " + node.op +
               " ?)";
    }

    // The column that every operand of an OR compares with "=", or -1. Such an OR means the
    // same as IN, which SQLite answers with one look-up a row instead of a test an operand.
    int sharedEqualityColumn(const Condition& node) const {
        int shared = -1;
        for (const auto& operand : node.operands) {
            if (operand->kind != ConditionKind::Compare || operand->op != "=")
                return -1;
            const int column = schema_.columnIndex(operand->column.text);
            if (column < 0 || (shared >= 0 && column != shared))
                return -1;
            shared = column;
        }
        return shared;
    }

    // A substring index may answer a LIKE test outside NOT only: for a row without a value the
    // test is unknown, which NOT keeps unknown, while the index's answer is plainly false.
    bool indexCanAnswer(const Condition& node, int column) const {
        if (negations_ > 0 || !schema_.substringInStep || node.kind != ConditionKind::Like)
            return false;
        const std::string& name = schema_.columns[static_cast<std::size_t>(column)].name;
        return std::find(schema_.substringIndexed.begin(), schema_.substringIndexed.end(), name) !=
                   schema_.substringIndexed.end() &&
               substringIndexCanAnswer(likeToGlob(node.literal.text));
    }

    // The column that every operand of an OR tests with a LIKE that its substring index can
    // answer, or -1.
    int sharedSubstringColumn(const Condition& node) const {
        int shared = -1;
        for (const auto& operand : node.operands) {
            if (operand->kind != ConditionKind::Like)
                return -1;
            const int column = schema_.columnIndex(operand->column.text);
            if (column < 0 || (shared >= 0 && column != shared) ||
                !indexCanAnswer(*operand, column))
                return -1;
            shared = column;
        }
        return shared;
    }

    // The rows that the index finds for any of the patterns, each tested again against its
    // value, so that the answer is the pass's whatever the index holds.
    template <typename Operands>
    std::string compileIndexedLikes(const Operands& operands, int column) {
        const std::string name = schema_.columns[static_cast<std::size_t>(column)].name;
        const std::string index = quoted(substringIndexNames(schema_.name, name).index);
        std::string candidates;
        std::string tests;
        std::vector<std::string> globs;
        for (const auto& operand : operands) {
            globs.push_back(likeToGlob(operand->literal.text));
            candidates += std::string(candidates.empty() ? "" : " UNION ALL ") +
                          "SELECT rowid FROM " + index + " WHERE " + quoted(name) + " GLOB ?";
            tests += std::string(tests.empty() ? "" : " OR ") + quoted(name) + " GLOB ?";
        }
        for (int pass = 0; pass < 2; ++pass)
            parameters_.insert(parameters_.end(), globs.begin(), globs.end());
        return "(rowid IN (" + candidates + ") AND (" + tests + "))";
    }

    std::string compileIn(const Condition& node, int column) {
        const ColumnSchema& definition = schema_.columns[static_cast<std::size_t>(column)];
        std::string marks;
        for (const auto& operand : node.operands) {
            parameters_.push_back(comparisonValue(operand->literal, definition));
            marks += marks.empty() ? "?" : ", ?";
        }
        return "(" + quoted(definition.name) + " IN (" + marks + "))";
    }

    const TableSchema& schema_;
    std::vector<Value> parameters_;
    int negations_ = 0;
};

} // namespace

int resolveColumn(const sql::Located& name, const TableSchema& schema) {
    const int column = schema.columnIndex(name.text);
    if (column < 0) {
        throwEngineError("Field '" + sql::inputExcerpt(name.text) + "' not found at " +
                             sql::positionText(name.line, name.column),
                         NativeError::UnknownColumn);
    }
    return column;
}

CompiledCondition compileCondition(const Condition& condition, const TableSchema& schema) {
    return Compiler(schema).run(condition);
}

} // namespace quillox::db

#include "db/condition_compiler.h"

#include "db/db_error.h"
#include "db/sql/input_excerpt.h"
#include "db/sql/syntax_error.h"
#include "db/text_rules.h"

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

class Compiler {
public:
    explicit Compiler(const TableSchema& schema) : schema_(schema) {}

    CompiledCondition run(const Condition& condition) {
        CompiledCondition result;
        result.sql = compile(condition);
        result.parameters = std::move(parameters_);
        return result;
    }

private:
    std::string compile(const Condition& node) {
        switch (node.kind) {
        case ConditionKind::Or:
            if (const int column = sharedEqualityColumn(node); column >= 0)
                return compileIn(node, column);
            [[fallthrough]];
        case ConditionKind::And: {
            const char* join = node.kind == ConditionKind::Or ? " OR " : " AND ";
            std::string text = "(";
            for (std::size_t i = 0; i < node.operands.size(); ++i)
                text += (i ? join : "") + compile(*node.operands[i]);
            return text + ")";
        }
        case ConditionKind::Not:
            return "(NOT " + compile(*node.operands.front()) + ")";
        case ConditionKind::Like: {
            const int column = resolveColumn(node.column, schema_);
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
        return "(" + quoted(definition.name) + " " + node.op + " ?)";
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

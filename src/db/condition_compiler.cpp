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

// Marks in the compiled text: before the column of a range test, and around the look-up of
// the substring index that drives the condition.
constexpr char rangeMark = '\x01';
constexpr char driverStart = '\x02';
constexpr char driverEnd = '\x03';

// The text with range marks replaced, and the driving look-up kept or replaced by "1".
std::string render(const std::string& text, std::string_view rangeReplacement, bool keepDriver) {
    std::string result;
    bool inDriver = false;
    for (const char c : text) {
        if (c == rangeMark) {
            if (!inDriver)
                result += rangeReplacement;
        } else if (c == driverStart) {
            inDriver = !keepDriver;
            if (inDriver)
                result += '1';
        } else if (c == driverEnd) {
            inDriver = false;
        } else if (!inDriver) {
            result += c;
        }
    }
    return result;
}

class Compiler {
public:
    explicit Compiler(const TableSchema& schema) : schema_(schema) {}

    CompiledCondition run(const Condition& condition) {
        CompiledCondition result;
        const std::string text = compile(condition, true);
        result.sql = render(text, "", true);
        // A unary plus keeps SQLite from answering the range test from an index, whose order
        // would have to be sorted back into row id order.
        result.sqlInRowidOrder = render(text, "+", true);
        if (driver_) {
            driver_->sql = render(text, "+", false);
            driver_->parameters = parameters_;
            driver_->parameters.erase(driver_->parameters.begin() +
                                      static_cast<std::ptrdiff_t>(driverParameter_));
        }
        result.driver = std::move(driver_);
        result.parameters = std::move(parameters_);
        return result;
    }

private:
    // mustHold: every row of the whole condition satisfies this node.
    std::string compile(const Condition& node, bool mustHold) {
        switch (node.kind) {
        case ConditionKind::Or:
            if (const int column = sharedEqualityColumn(node); column >= 0)
                return compileIn(node, column);
            if (const int column = sharedSubstringColumn(node); column >= 0)
                return compileIndexedLikes(node.operands, column, mustHold);
            [[fallthrough]];
        case ConditionKind::And: {
            const bool isOr = node.kind == ConditionKind::Or;
            std::string text = "(";
            for (std::size_t i = 0; i < node.operands.size(); ++i)
                text += (i ? (isOr ? " OR " : " AND ") : "") +
                        compile(*node.operands[i], mustHold && !isOr);
            return text + ")";
        }
        case ConditionKind::Not: {
            ++negations_;
            std::string text = "(NOT " + compile(*node.operands.front(), false) + ")";
            --negations_;
            return text;
        }
        case ConditionKind::Like: {
            const int column = resolveColumn(node.column, schema_);
            if (indexCanAnswer(node, column))
                return compileIndexedLikes(std::vector<const Condition*>{&node}, column, mustHold);
            parameters_.push_back(likeToGlob(node.literal.text));
            return "(" + columnRef(schema_.columns[static_cast<std::size_t>(column)].name) +
                   " GLOB ?)";
        }
        case ConditionKind::Compare:
            break;
        }
        const int column = resolveColumn(node.column, schema_);
        const ColumnSchema& definition = schema_.columns[static_cast<std::size_t>(column)];
        parameters_.push_back(comparisonValue(node.literal, definition));
        const bool range = node.op != "=" && node.op != "<>";
        return "(" + (range ? std::string(1, rangeMark) : std::string()) +
               columnRef(definition.name) + " " + node.op + " ?)";
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

    // The rows that hold the trigrams of any of the patterns, each tested against the patterns,
    // so that the answer is the pass's.
    template <typename Operands>
    std::string compileIndexedLikes(const Operands& operands, int column, bool mustHold) {
        const std::string name = schema_.columns[static_cast<std::size_t>(column)].name;
        const std::string index = substringIndexNames(schema_.name, name).index;
        std::vector<std::string> globs;
        std::string tests;
        for (const auto& operand : operands) {
            globs.push_back(likeToGlob(operand->literal.text));
            tests += std::string(tests.empty() ? "" : " OR ") + columnRef(name) + " GLOB ?";
        }
        const std::string query = trigramQuery(globs);
        const bool drives = mustHold && !driver_;
        if (drives) {
            driver_ = CompiledCondition::Driver{index, query, {}, {}};
            driverParameter_ = parameters_.size();
        }
        parameters_.push_back(query);
        parameters_.insert(parameters_.end(), globs.begin(), globs.end());
        const std::string lookUp = quoted(schema_.name) + ".rowid IN (SELECT rowid FROM " +
                                   quoted(index) + " WHERE " + quoted(index) + " MATCH ?)";
        return "(" + (drives ? driverStart + lookUp + driverEnd : lookUp) + " AND (" + tests + "))";
    }

    // A column of the table, named with the table, so that a statement may join the table's
    // substring index.
    std::string columnRef(const std::string& column) const {
        return quoted(schema_.name) + "." + quoted(column);
    }

    std::string compileIn(const Condition& node, int column) {
        const ColumnSchema& definition = schema_.columns[static_cast<std::size_t>(column)];
        std::string marks;
        for (const auto& operand : node.operands) {
            parameters_.push_back(comparisonValue(operand->literal, definition));
            marks += marks.empty() ? "?" : ", ?";
        }
        return "(" + columnRef(definition.name) + " IN (" + marks + "))";
    }

    const TableSchema& schema_;
    std::vector<Value> parameters_;
    int negations_ = 0;
    std::optional<CompiledCondition::Driver> driver_;
    std::size_t driverParameter_ = 0;
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

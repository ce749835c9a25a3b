#pragma once

#include <memory>
#include <string>
#include <vector>

namespace quillox::sql {

// A name or value as written, with where it stands, for messages about it.
struct Located {
    std::string text;
    int line = 1;
    int column = 1;
};

enum class ConditionKind { Or, And, Not, Compare, Like };
enum class LiteralKind { Text, Number };

struct Literal : Located {
    LiteralKind kind = LiteralKind::Text;
};

// One node of a WHERE condition or filter. Or and And hold two or more operands, Not one;
// Compare and Like test a column against a literal.
struct Condition {
    ConditionKind kind = ConditionKind::Compare;
    std::vector<std::unique_ptr<Condition>> operands;
    Located column;
    std::string op; // "=", ">=" or "<=" for Compare
    Literal literal;
};

struct SelectStatement {
    bool allColumns = false;
    std::vector<Located> columns;
    Located table;
    std::unique_ptr<Condition> where; // empty without WHERE
};

} // namespace quillox::sql

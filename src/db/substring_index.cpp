#include "db/substring_index.h"

#include "db/sqlite_connection.h"
#include "db/sqlite_statement.h"
#include "db/table_schema.h"

#include <set>

namespace quillox::db {
namespace {

constexpr std::string_view indexSuffix = ".substrings";
constexpr std::size_t shortestIndexedRun = 3;
// FTS5 takes time that grows faster than the number of terms of a query; a few dozen trigrams
// narrow the rows as well as all of a long pattern's would, and the rows found are tested
// against the whole pattern anyway.
constexpr std::size_t trigramsLookedUpAtMost = 64;

bool exists(SqliteConnection& connection, const std::string& type, const std::string& name) {
    SqliteStatement statement(connection,
                              "SELECT 1 FROM sqlite_schema WHERE type = ? AND name = ?");
    ScopedReset reset(statement);
    statement.bind(1, Value(type));
    statement.bind(2, Value(name));
    return statement.step();
}

bool complete(SqliteConnection& connection, const SubstringIndexNames& names) {
    return exists(connection, "table", names.pending) &&
           exists(connection, "trigger", names.onInsert) &&
           exists(connection, "trigger", names.onDelete) &&
           exists(connection, "trigger", names.onUpdate);
}

std::string noteTrigger(const std::string& name, const std::string& event, const std::string& table,
                        const std::string& pending, const std::string& row) {
    return "CREATE TRIGGER " + quoted(name) + " AFTER " + event + " ON " + quoted(table) +
           " BEGIN INSERT OR IGNORE INTO " + quoted(pending) + " (id) VALUES (" + row +
           ".rowid); END;";
}

// Indexes the table's rows that the condition picks; rows without a value never match.
std::string indexRows(const SubstringIndexNames& names, const std::string& table,
                      const std::string& column, const std::string& condition) {
    return "INSERT INTO " + quoted(names.index) + " (rowid, " + quoted(column) +
           ") SELECT rowid, " + quoted(column) + " FROM " + quoted(table) + " WHERE " +
           quoted(column) + " IS NOT NULL" + condition + ";";
}

} // namespace

SubstringIndexNames substringIndexNames(const std::string& table, const std::string& column) {
    const std::string index = table + "." + column + std::string(indexSuffix);
    return {index, index + ".pending", index + ".insert", index + ".delete", index + ".update"};
}

std::vector<std::string> substringIndexedColumns(SqliteConnection& connection,
                                                 const std::string& table) {
    SqliteStatement statement(connection,
                              "SELECT name FROM sqlite_schema WHERE type = 'table' AND "
                              "substr(name, 1, length(?1) + 1) = ?1 || '.' AND "
                              "name LIKE '%" +
                                  std::string(indexSuffix) +
                                  "' AND sql LIKE 'CREATE VIRTUAL TABLE % USING fts5%'");
    ScopedReset reset(statement);
    statement.bind(1, Value(table));
    std::vector<std::string> columns;
    while (statement.step()) {
        const std::string name = statement.columnText(0);
        const std::size_t start = table.size() + 1;
        if (name.size() <= start + indexSuffix.size())
            continue;
        columns.push_back(name.substr(start, name.size() - start - indexSuffix.size()));
    }
    std::erase_if(columns, [&](const std::string& column) {
        return !complete(connection, substringIndexNames(table, column));
    });
    return columns;
}

bool substringIndexesInStep(SqliteConnection& connection, const std::string& table,
                            const std::vector<std::string>& columns) {
    for (const std::string& column : columns) {
        SqliteStatement statement(
            connection,
            "SELECT 1 FROM " + quoted(substringIndexNames(table, column).pending) + " LIMIT 1");
        ScopedReset reset(statement);
        if (statement.step())
            return false;
    }
    return true;
}

void createSubstringIndex(SqliteConnection& connection, const std::string& table,
                          const std::string& column) {
    const SubstringIndexNames names = substringIndexNames(table, column);
    connection.execute("DROP TRIGGER IF EXISTS " + quoted(names.onInsert) +
                       "; DROP TRIGGER IF EXISTS " + quoted(names.onDelete) +
                       "; DROP TRIGGER IF EXISTS " + quoted(names.onUpdate) +
                       "; DROP TABLE IF EXISTS " + quoted(names.index) + "; DROP TABLE IF EXISTS " +
                       quoted(names.pending) + ";");
    // Case-sensitive trigrams answer GLOB, which is what the engine's LIKE becomes. Without
    // positions (detail none) the index is a third of the size; SQLite tests each candidate
    // row's value against the pattern, so the answer stays exact.
    connection.execute(
        "CREATE VIRTUAL TABLE " + quoted(names.index) + " USING fts5(" + quoted(column) +
        ", tokenize = 'trigram case_sensitive 1', detail = none); CREATE TABLE " +
        quoted(names.pending) + " (id INTEGER PRIMARY KEY); " +
        noteTrigger(names.onInsert, "INSERT", table, names.pending, "new") +
        noteTrigger(names.onDelete, "DELETE", table, names.pending, "old") +
        noteTrigger(names.onUpdate, "UPDATE OF " + quoted(column), table, names.pending, "new") +
        indexRows(names, table, column, ""));
}

void catchUpSubstringIndex(SqliteConnection& connection, const std::string& table,
                           const std::string& column) {
    const SubstringIndexNames names = substringIndexNames(table, column);
    const std::string pendingRows = " rowid IN (SELECT id FROM " + quoted(names.pending) + ")";
    connection.executeKept("DELETE FROM " + quoted(names.index) + " WHERE" + pendingRows);
    connection.executeKept(indexRows(names, table, column, " AND" + pendingRows));
    connection.executeKept("DELETE FROM " + quoted(names.pending));
}

namespace {

// The runs of characters between a pattern's wildcards and bracketed sets, each as its
// characters (UTF-8 sequences).
std::vector<std::vector<std::string>> literalRuns(const std::string& glob) {
    std::vector<std::vector<std::string>> runs(1);
    bool inBrackets = false;
    for (const char c : glob) {
        if (inBrackets) {
            inBrackets = c != ']';
            continue;
        }
        if (c == '*' || c == '?' || c == '[') {
            runs.emplace_back();
            inBrackets = c == '[';
            continue;
        }
        // Bytes that continue a UTF-8 character belong to the character before them.
        if ((static_cast<unsigned char>(c) & 0xC0) == 0x80 && !runs.back().empty())
            runs.back().back() += c;
        else
            runs.back().emplace_back(1, c);
    }
    return runs;
}

std::string quotedTerm(const std::string& text) {
    std::string term = "\"";
    for (const char c : text)
        term += c == '"' ? std::string("\"\"") : std::string(1, c);
    return term + "\"";
}

} // namespace

bool substringIndexCanAnswer(const std::string& glob) {
    for (const auto& run : literalRuns(glob)) {
        if (run.size() >= shortestIndexedRun)
            return true;
    }
    return false;
}

std::string trigramQuery(const std::vector<std::string>& globs) {
    std::string query;
    for (const std::string& glob : globs) {
        std::set<std::string> trigrams;
        for (const auto& run : literalRuns(glob)) {
            for (std::size_t i = 0;
                 i + shortestIndexedRun <= run.size() && trigrams.size() < trigramsLookedUpAtMost;
                 ++i)
                trigrams.insert(run[i] + run[i + 1] + run[i + 2]);
        }
        std::string terms;
        for (const std::string& trigram : trigrams)
            terms += (terms.empty() ? "" : " AND ") + quotedTerm(trigram);
        query += (query.empty() ? "(" : " OR (") + terms + ")";
    }
    return query;
}

} // namespace quillox::db

#include "search_choice.h"

#include "plain_sqlite.h"

#include <sqlite3.h>

namespace {

// The generator stores the terms most used first: the words of ranks 10 and 20 are each on
// a few thousand of the 100,000 documents.
constexpr std::int64_t wordIds[] = {11, 21};

} // namespace

SearchChoice chooseSearch(const QString& engineFile) {
    PlainDb db(engineFile);
    PlainStatement terms(db, "SELECT Term FROM SearchTerms WHERE ID = ?");
    SearchChoice choice;
    for (const std::int64_t id : wordIds) {
        terms.bind(1, id);
        terms.step();
        choice.words << QString::fromUtf8(
            reinterpret_cast<const char*>(sqlite3_column_text(terms.handle(), 0)));
        terms.reset();
    }
    // Ten of the fifteen years the documents span.
    choice.from = QDate(2013, 1, 1);
    choice.to = QDate(2022, 12, 31);
    return choice;
}

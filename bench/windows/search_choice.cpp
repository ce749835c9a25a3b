#include "search_choice.h"

#include "plain_sqlite.h"
#include "store_rows.h"

#include <sqlite3.h>

namespace {

// The generator stores the terms most used first: the words of ranks 10 and 20.
constexpr std::int64_t wordIds[] = {11, 21};

} // namespace

SearchChoices chooseSearches(const QString& engineFile) {
    PlainDb db(engineFile);
    PlainStatement terms(db, "SELECT Term FROM SearchTerms WHERE ID = ?");
    QStringList words;
    for (const std::int64_t id : wordIds) {
        terms.bind(1, id);
        terms.step();
        words << QString::fromUtf8(
            reinterpret_cast<const char*>(sqlite3_column_text(terms.handle(), 0)));
        terms.reset();
    }
    SearchChoices choices;
    choices.twoWordsTenYears = {words, QDate(2013, 1, 1), QDate(2022, 12, 31)};
    choices.twoWordsSixMonths = {words, QDate(2018, 1, 1), QDate(2018, 6, 30)};
    choices.oneWordAllDates = {{words.front()}, firstDocumentDate(), lastDocumentDate()};
    choices.allDocuments = {{}, firstDocumentDate(), lastDocumentDate()};
    return choices;
}

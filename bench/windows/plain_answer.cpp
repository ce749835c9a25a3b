#include "plain_answer.h"

#include "plain_sqlite.h"

#include <sqlite3.h>

int answerOnPlainSqlite(PlainDb& db, const QString& statement) {
    PlainStatement answer(db, statement.toStdString());
    const int columns = sqlite3_column_count(answer.handle());
    int rows = 0;
    while (answer.step()) {
        for (int column = 0; column < columns; ++column)
            sqlite3_column_text(answer.handle(), column);
        ++rows;
    }
    return rows;
}

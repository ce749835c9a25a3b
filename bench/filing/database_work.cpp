#include "database_work.h"

#include "plain_filing.h"
#include "plain_sqlite.h"
#include "plain_store_copy.h"
#include "store/misc_ops.h"
#include "store/tag_words.h"
#include "store/tdm_data.h"
#include "timing.h"

#include <QStringList>
#include <sqlite3.h>

namespace {

constexpr int knownWords = 10;
constexpr int newWords = 10;

// Known words from the middle of the vocabulary, lower case as a user types them.
QStringList someKnownWords(const QString& engineFile) {
    PlainDb db(engineFile);
    PlainStatement terms(db, "SELECT Term FROM SearchTerms ORDER BY ID LIMIT ? OFFSET 500");
    terms.bind(1, std::int64_t(knownWords));
    QStringList words;
    while (terms.step())
        words << QString::fromUtf8(
                     reinterpret_cast<const char*>(sqlite3_column_text(terms.handle(), 0)))
                     .toLower();
    return words;
}

FilingRow rowFor(int filing, const QStringList& known) {
    QStringList words;
    for (int i = 0; i < knownWords + newWords; ++i) {
        words << (i % 2 ? known[i / 2] : QString("new%1word%2").arg(filing).arg(i / 2));
    }
    return {"Invoice Garden Centre " + QString::number(filing),
            words.join(' '),
            "Plants and compost for the spring border, paid by card.",
            "/home/user/Documents/Quillox/Invoice Garden Centre17.05.2024.10.30.pdf",
            QDateTime(QDate(2024, 5, 17), QTime(10, 30)),
            "HOUSE SUBFOLDER"};
}

struct EngineParts {
    double addSearchTerms = 0;
    double nextId = 0;
    double post = 0;
};

EngineParts fileOnEngine(quillox::store::TdmData& data, const FilingRow& row) {
    EngineParts parts;
    parts.addSearchTerms =
        secondsOf([&] { quillox::store::addSearchTerms(data.tSearchTerms, row.tagLine); });
    int id = 0;
    parts.nextId = secondsOf([&] { id = quillox::store::nextId(data.tDocuments); });
    parts.post = secondsOf([&] {
        auto& documents = data.tDocuments;
        documents.Append();
        documents.FieldByName("ID").SetAsInteger(id);
        documents.FieldByName("Document_Name").SetAsString(row.name);
        documents.FieldByName("Tag_Words")
            .SetAsString(quillox::store::upperCaseTagText(row.tagLine));
        documents.FieldByName("Description").SetAsString(row.description);
        documents.FieldByName("Path").SetAsString(row.path);
        documents.FieldByName("InputDate").SetAsDateTime(row.date);
        documents.FieldByName("Folder").SetAsString(row.folder);
        documents.Post();
    });
    return parts;
}

double ms(double seconds) {
    return seconds * 1000;
}

} // namespace

DatabaseFigures compareDatabaseWork(const BenchStore& store, const QString& folder,
                                    int repetitions) {
    const QStringList known = someKnownWords(store.engineFile);
    const QString plainFile = folder + "/plain-filing.db";
    makePlainStoreCopy(store.engineFile, plainFile);
    PlainFiling plain(plainFile);
    quillox::store::TdmData data;
    data.DataModuleCreate();

    // One filing each before timing, so that both files are in the page cache.
    fileOnEngine(data, rowFor(0, known));
    plain.file(rowFor(0, known));

    std::vector<double> engine, plainTimes, addSearchTerms, nextId, post, allKnown;
    for (int filing = 1; filing <= repetitions; ++filing) {
        const FilingRow row = rowFor(filing, known);
        const auto onEngine = [&] {
            const EngineParts parts = fileOnEngine(data, row);
            engine.push_back(ms(parts.addSearchTerms + parts.nextId + parts.post));
            addSearchTerms.push_back(ms(parts.addSearchTerms));
            nextId.push_back(ms(parts.nextId));
            post.push_back(ms(parts.post));
        };
        const auto onPlain = [&] { plainTimes.push_back(ms(secondsOf([&] { plain.file(row); }))); };
        if (filing % 2) {
            onEngine();
            onPlain();
        } else {
            onPlain();
            onEngine();
        }
        allKnown.push_back(
            ms(secondsOf([&] { quillox::store::addSearchTerms(data.tSearchTerms, row.tagLine); })));
    }
    data.DataModuleDestroy();
    return {repetitions,    knownWords + newWords, newWords,
            median(engine), median(plainTimes),    median(addSearchTerms),
            median(nextId), median(post),          median(allKnown)};
}

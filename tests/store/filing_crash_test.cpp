// Filings killed with SIGKILL at points spread over the copy, its flush, its naming and the
// post, each followed by what the program's next start does. After every kill the store must
// hold whole filings only: rows whose copies equal their sources, words of filed documents
// only, a sound database file, and no unfinished copy once the start is over.

#include "child_filing.h"
#include "entry_watch.h"
#include "store/leftover_copies.h"
#include "store/tag_words.h"
#include "store/tdm_data.h"
#include "temp_home.h"
#include "test_files.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSet>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <thread>
#include <vector>

namespace {

using quillox::testing::ChildFiling;
using quillox::testing::contentsOf;
using quillox::testing::entriesOf;
using quillox::testing::EntryWatch;
using quillox::testing::writeFile;
using Clock = std::chrono::steady_clock;
using Seconds = std::chrono::duration<double>;

constexpr int killsWanted = 24;
constexpr int attemptsAtMost = 2 * killsWanted;
constexpr int spreadSteps = 8;
// Long enough for any filing of the test; a filing that takes longer hangs.
constexpr int entryWaitMs = 60'000;
const QString leftoverPrefix = ".quillox-copy-";

// The parts of a filing that the kills aim at, each from the moment the test sees it start.
enum Part {
    Copy,      // from the child's "start": the source's bytes go to the unfinished copy
    Flush,     // from its "copied": the copy is flushed to the disk and named
    Recording, // from the stored name's appearance: the folder's flush, the post and the words
    partCount
};
const char* const partNames[partCount] = {"the copy", "the flush", "the naming and post"};

struct Sample {
    QString path;
    QString documentName;
    Seconds parts[partCount]; // each part's length in an undisturbed filing
};

struct StoredDocument {
    QString name;
    QString tags;
    QString path;
};

struct StoreState {
    std::vector<StoredDocument> documents;
    QStringList terms;
};

struct Figures {
    int attempts = 0;
    int kills = 0;
    int killsAimedAt[partCount] = {};
    int killsBeforeCopied = 0;  // the child had not told the copy's end
    int filedBeforeKill = 0;    // the child ended before its kill came
    int killsLeavingRow = 0;    // the row was posted before the kill
    int killsLeavingOrphan = 0; // a named copy without a row
    int leftoversBeforeStart = 0;
    qint64 leftoverBytes = 0;
    qint64 bytesLost = 0;
};

// What the plain SQLite library says of the file, opened read-only.
std::string integrityOf(const QString& file) {
    sqlite3* handle = nullptr;
    std::string answer = "cannot open";
    if (sqlite3_open_v2(QFile::encodeName(file).constData(), &handle, SQLITE_OPEN_READONLY,
                        nullptr) == SQLITE_OK) {
        sqlite3_stmt* statement = nullptr;
        answer = sqlite3_errmsg(handle);
        if (sqlite3_prepare_v2(handle, "PRAGMA integrity_check", -1, &statement, nullptr) ==
                SQLITE_OK &&
            sqlite3_step(statement) == SQLITE_ROW)
            answer = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
        sqlite3_finalize(statement);
    }
    sqlite3_close(handle);
    return answer;
}

// The bytes of the source that the copy lacks or holds wrong.
qint64 bytesLost(const QString& source, const QString& copy) {
    const QByteArray wanted = contentsOf(source);
    const QByteArray stored = contentsOf(copy);
    const qsizetype common = std::min(wanted.size(), stored.size());
    const auto differ = std::mismatch(wanted.begin(), wanted.begin() + common, stored.begin());
    return std::max(wanted.size(), stored.size()) - (differ.first - wanted.begin());
}

QStringList leftoversIn(const QString& folder) {
    QStringList leftovers;
    for (const QString& name : entriesOf(folder)) {
        if (name.startsWith(leftoverPrefix))
            leftovers << name;
    }
    return leftovers;
}

class FilingCrash : public ::testing::Test {
protected:
    void SetUp() override {
        // Made now, so that the first filing's stored copy can be watched for.
        ASSERT_TRUE(QDir().mkpath(home.storeFolder()));
        // Random bytes of a few tens of megabytes, several chunks each, of unlike sizes.
        QRandomGenerator random(20130304);
        const qsizetype mebibyte = 1024 * 1024;
        for (const qsizetype size : {20 * mebibyte + 3, 28 * mebibyte + 1, 36 * mebibyte + 7}) {
            QByteArray bytes(size + 3, Qt::Uninitialized);
            random.fillRange(reinterpret_cast<quint32*>(bytes.data()), bytes.size() / 4);
            bytes.resize(size);
            const int number = static_cast<int>(samples.size()) + 1;
            samples.push_back({home.path() + QString("/incoming/sample-%1.bin").arg(number),
                               QString("Sample %1").arg(number),
                               {}});
            writeFile(samples.back().path, bytes);
        }
    }

    // A filing left to finish, which times the parts the kills are spread over.
    void timeUndisturbedFiling(Sample& sample) {
        EntryWatch watch(home.storeFolder(), leftoverPrefix);
        ChildFiling child(sample.path, sample.documentName, "undisturbed");
        ASSERT_TRUE(child.waitFor("start"));
        const Clock::time_point started = Clock::now();
        ASSERT_TRUE(child.waitFor("copied"));
        const Clock::time_point copied = Clock::now();
        ASSERT_TRUE(watch.waitForEntry(entryWaitMs));
        const Clock::time_point named = Clock::now();
        ASSERT_TRUE(child.waitFor("filed"));
        sample.parts[Copy] = copied - started;
        sample.parts[Flush] = named - copied;
        sample.parts[Recording] = Clock::now() - named;
        ASSERT_EQ(child.wait(), ChildFiling::End::Filed);
    }

    // Kills a filing in one of its parts, in turn, at a delay spread over the part's
    // undisturbed length.
    ChildFiling::End killFiling(int attempt) {
        const auto part = static_cast<Part>(attempt % partCount);
        const Sample& sample =
            samples[static_cast<std::size_t>(attempt / partCount) % samples.size()];
        const double fraction = ((attempt / partCount) % spreadSteps + 0.5) / spreadSteps;
        EntryWatch watch(home.storeFolder(), leftoverPrefix);
        ChildFiling child(sample.path, sample.documentName,
                          QString("round%1 sample killed").arg(attempt));
        const bool reached = part == Copy    ? child.waitFor("start")
                             : part == Flush ? child.waitFor("copied")
                                             : watch.waitForEntry(entryWaitMs);
        if (reached)
            std::this_thread::sleep_for(fraction * sample.parts[part]);
        const ChildFiling::End end = child.kill();
        if (end == ChildFiling::End::Killed) {
            ++figures.kills;
            ++figures.killsAimedAt[part];
            figures.killsBeforeCopied += child.lastLine() == "copied" ? 0 : 1;
        }
        return end;
    }

    // The store as the program's next start finds it: the unfinished copies are counted, then
    // removed as the start removes them, and then the data module is opened and the copies that
    // filings named without recording them are removed.
    StoreState startAgain() {
        const QString folder = home.storeFolder();
        for (const QString& name : leftoversIn(folder)) {
            if (leftoversSeen.contains(name))
                continue;
            leftoversSeen.insert(name);
            ++figures.leftoversBeforeStart;
            figures.leftoverBytes += QFileInfo(folder + name).size();
        }
        quillox::store::removeLeftoverCopies();
        EXPECT_EQ(leftoversIn(folder), QStringList());

        StoreState state;
        quillox::store::TdmData data;
        data.DataModuleCreate();
        quillox::store::removeCopiesOfInterruptedFilings(data);
        auto& documents = data.tDocuments;
        for (documents.First(); !documents.Eof(); documents.Next()) {
            state.documents.push_back({documents.FieldByName("Document_Name").AsString(),
                                       documents.FieldByName("Tag_Words").AsString(),
                                       documents.FieldByName("Path").AsString()});
        }
        auto& terms = data.tSearchTerms;
        for (terms.First(); !terms.Eof(); terms.Next())
            state.terms << terms.FieldByName("Term").AsString();
        return state;
    }

    // Compares the copies not compared yet with their sources, and the words with the rows.
    void checkStore(const StoreState& state) {
        EXPECT_EQ(integrityOf(home.databaseFolder() + "main.abs"), "ok");
        QSet<QString> words;
        for (const StoredDocument& document : state.documents) {
            for (const QString& word : quillox::store::splitWords(document.tags))
                words.insert(word);
            if (compared.contains(document.path))
                continue;
            compared.insert(document.path);
            const auto sample =
                std::find_if(samples.begin(), samples.end(), [&](const Sample& candidate) {
                    return candidate.documentName == document.name;
                });
            ASSERT_NE(sample, samples.end()) << document.name.toStdString();
            const qint64 lost = bytesLost(sample->path, document.path);
            figures.bytesLost += lost;
            EXPECT_EQ(lost, 0) << document.path.toStdString();
        }
        for (const QString& term : state.terms)
            EXPECT_TRUE(words.contains(term))
                << "a word of no filed document: " << term.toStdString();
    }

    // The store's files that no row names, besides unfinished copies.
    int orphans(const StoreState& state) const {
        QSet<QString> named;
        for (const StoredDocument& document : state.documents)
            named.insert(QFileInfo(document.path).fileName());
        int count = 0;
        for (const QString& name : entriesOf(home.storeFolder()))
            count += named.contains(name) || name.startsWith(leftoverPrefix) ? 0 : 1;
        return count;
    }

    void print() const {
        std::printf("Killed filings: %d kills in %d attempts; %d filings ended before their "
                    "kill\n",
                    figures.kills, figures.attempts, figures.filedBeforeKill);
        for (int part = 0; part < partCount; ++part) {
            std::printf(
                "  kills aimed at %s: %d (lengths undisturbed: %.0f, %.0f, %.0f ms)\n",
                partNames[part], figures.killsAimedAt[part], 1000 * samples[0].parts[part].count(),
                1000 * samples[1].parts[part].count(), 1000 * samples[2].parts[part].count());
        }
        std::printf("  kills before the copy's end: %d; after the post: %d; leaving a named copy "
                    "without a row: %d\n",
                    figures.killsBeforeCopied, figures.killsLeavingRow, figures.killsLeavingOrphan);
        std::printf("  rows filed: %zu; unfinished copies found before the start: %d (%lld "
                    "bytes); bytes lost: %lld\n",
                    rowsFiled, figures.leftoversBeforeStart,
                    static_cast<long long>(figures.leftoverBytes),
                    static_cast<long long>(figures.bytesLost));
    }

    quillox::testing::TempHome home;
    std::vector<Sample> samples;
    QSet<QString> compared;
    QSet<QString> leftoversSeen;
    Figures figures;
    std::size_t rowsFiled = 0;
};

TEST_F(FilingCrash, AKilledFilingLeavesOnlyWholeFilingsForTheNextStart) {
    for (Sample& sample : samples)
        ASSERT_NO_FATAL_FAILURE(timeUndisturbedFiling(sample));
    StoreState state = startAgain();
    checkStore(state);
    ASSERT_EQ(state.documents.size(), samples.size());

    for (int attempt = 0; figures.kills < killsWanted && attempt < attemptsAtMost; ++attempt) {
        SCOPED_TRACE(attempt);
        ++figures.attempts;
        const std::size_t rowsBefore = state.documents.size();
        const int orphansBefore = orphans(state);
        const ChildFiling::End end = killFiling(attempt);
        ASSERT_NE(end, ChildFiling::End::Failed);
        state = startAgain();
        ASSERT_NO_FATAL_FAILURE(checkStore(state));
        if (end == ChildFiling::End::Filed) {
            ++figures.filedBeforeKill;
        } else {
            figures.killsLeavingRow += state.documents.size() > rowsBefore ? 1 : 0;
            figures.killsLeavingOrphan += orphans(state) > orphansBefore ? 1 : 0;
        }
        // The start removes a copy that a filing named but did not record; no other file
        // comes into the store.
        EXPECT_EQ(orphans(state), 0) << "a named copy without a row";
    }
    rowsFiled = state.documents.size();
    print();
    EXPECT_GE(figures.kills, 20) << "too few kills landed while filing";
    // Every copy once more, so that no later filing spoilt an earlier one.
    compared.clear();
    checkStore(state);
}

} // namespace

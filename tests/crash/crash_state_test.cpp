// Power cuts during filing, backup and restore. Each scenario runs its program once under the
// file-system recorder, then rebuilds every state that a power cut at one of its flushes, or
// after its end, could leave on the disk (crash_states.h), and starts the program on each as
// it would after the cut. Every state must start clean: a sound database, every document
// reported filed there with its copy, every row's copy holding its bytes, no copy without a
// row, and a backup that is either whole or recognised as unfinished. kill -9 cannot show
// this: the page cache keeps what was never flushed.

#include "care/backup_manifest.h"
#include "crash_states.h"
#include "file_tree.h"
#include "platform/sha256.h"
#include "platform/sha256_bytes.h"
#include "recorded_run.h"
#include "store/file_document.h"
#include "store/tdm_data.h"
#include "store_start.h"
#include "temp_home.h"
#include "test_files.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {

using quillox::testing::CrashState;
using quillox::testing::CrashStates;
using quillox::testing::FileTree;
using quillox::testing::StartedStore;
using quillox::testing::TempHome;
using Problems = std::vector<std::string>;

// Random mixes of the unflushed changes at each cut, beside the four fixed states.
constexpr int mixesPerCut = 4;
constexpr std::size_t failuresShown = 5;
const std::string storeFolder = "Documents/Quillox";
const std::string databaseFile = "data/Quillox/main.abs";
const std::string backupFolder = "backup";
const std::string exitMark = "exit 0";

std::string sha256Of(const std::string& bytes) {
    quillox::platform::Sha256 digest;
    digest.add(bytes.data(), bytes.size());
    return digest.hexDigest();
}

// A source's bytes, unlike every other source's from the first byte on.
QByteArray sourceBytes(const QString& name, qsizetype size) {
    QByteArray bytes = name.toUtf8() + quillox::testing::patternBytes(size);
    bytes.resize(size);
    return bytes;
}

// The part of the tree below the folder, by paths from it.
FileTree subtree(const FileTree& tree, const std::string& folder) {
    FileTree part;
    for (const auto& [path, contents] : tree) {
        if (path.rfind(folder + "/", 0) == 0)
            part[path.substr(folder.size() + 1)] = contents;
    }
    return part;
}

bool reported(const CrashState& state, const std::string& mark) {
    return std::find(state.marks.begin(), state.marks.end(), mark) != state.marks.end();
}

std::set<QString> namesOf(const std::map<QString, QString>& rows) {
    std::set<QString> names;
    for (const auto& [name, path] : rows)
        names.insert(name);
    return names;
}

QString describe(const std::set<QString>& names) {
    QStringList list(names.begin(), names.end());
    return "{" + list.join(", ") + "}";
}

class CrashStateTest : public ::testing::Test {
protected:
    void SetUp() override { root = QFileInfo(home.path()).canonicalFilePath(); }

    QString source(const QString& name) const { return root + "/incoming/" + name; }

    // Writes the named sources, of the sizes given, into the incoming folder.
    void makeSources(const std::vector<std::pair<QString, qsizetype>>& sources) {
        for (const auto& [name, size] : sources) {
            quillox::testing::writeFile(source(name), sourceBytes(name, size));
            sourceContents[name] = sourceBytes(name, size).toStdString();
        }
    }

    // Files the sources into the current home's store in this process.
    void fileNow(const QStringList& names) {
        quillox::store::TdmData data;
        data.DataModuleCreate();
        for (const QString& name : names) {
            ASSERT_TRUE(quillox::store::fileDocument(
                data, {source(name), name, "", "BEFORE", QDateTime::currentDateTime(), "BEFORE"},
                {}));
        }
    }

    // Records the run from the home as it is now, then checks every state it could leave.
    void checkRun(const char* scenario, const QString& program, const QStringList& arguments,
                  const std::function<Problems(const CrashState&, const StartedStore&)>& more) {
        before = quillox::testing::treeOf(root);
        const quillox::testing::RecordedRun run =
            quillox::testing::runRecorded(program, arguments, root);
        ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
        const CrashStates states(before, root.toStdString(),
                                 run.log + QByteArray::fromStdString("mark\t" + exitMark + "\n"));
        // The replay must arrive where the run did, or the recorder missed a change.
        ASSERT_TRUE(states.after() == quillox::testing::treeOf(root));
        std::map<std::string, Problems> checked;
        std::vector<std::pair<std::string, Problems>> failures;
        int generated = 0;
        states.forEach(mixesPerCut, [&](const CrashState& state) {
            ++generated;
            const std::string key =
                quillox::testing::treeDigest(state.tree) + " " + std::to_string(state.marks.size());
            auto found = checked.find(key);
            if (found == checked.end())
                found = checked.emplace(key, problemsOf(state, more)).first;
            else
                return;
            if (!found->second.empty())
                failures.emplace_back(state.description, found->second);
        });
        std::printf("%s: %d flushes, %d crash states built, %zu distinct states checked, %zu "
                    "failing\n",
                    scenario, states.flushes(), generated, checked.size(), failures.size());
        // Why, by kind of problem: each problem's text up to its first colon.
        std::map<std::string, int> reasons;
        for (const auto& [where, problems] : failures) {
            for (const std::string& problem : problems)
                ++reasons[problem.substr(0, problem.find(':'))];
        }
        for (const auto& [reason, count] : reasons)
            std::printf("  %d times: %s\n", count, reason.c_str());
        for (std::size_t i = 0; i < failures.size() && i < failuresShown; ++i) {
            std::printf("  %s:\n", failures[i].first.c_str());
            for (const std::string& problem : failures[i].second)
                std::printf("    %s\n", problem.c_str());
        }
        EXPECT_TRUE(failures.empty())
            << failures.size() << " of " << checked.size() << " crash states of " << scenario
            << " do not start clean; the first: " << failures.front().first << ": "
            << failures.front().second.front();
    }

    // What is wrong with the store that the program's start makes of the state.
    Problems
    problemsOf(const CrashState& state,
               const std::function<Problems(const CrashState&, const StartedStore&)>& more) {
        quillox::testing::putTree(state.tree, root);
        QFile::setPermissions(root + "/runtime", QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                     QFileDevice::ExeOwner);
        const StartedStore started = quillox::testing::startStore();
        Problems problems;
        if (started.refusal.isEmpty() || !refusalAllowed(started.refusal))
            problems = storeProblems(state, started);
        const Problems scenario = more(state, started);
        problems.insert(problems.end(), scenario.begin(), scenario.end());
        return problems;
    }

    // A start may refuse a store only when a restore was cut short.
    bool refusalAllowed(const QString& refusal) const {
        return restoring && refusal.contains("restor", Qt::CaseInsensitive);
    }

    Problems storeProblems(const CrashState& state, const StartedStore& started) {
        if (!started.refusal.isEmpty())
            return {"the start refused the store: " + started.refusal.toStdString()};
        Problems problems;
        if (started.integrity != "ok")
            problems.push_back("the database is damaged: " + started.integrity);
        if (!started.leftovers.isEmpty())
            problems.push_back("unfinished copies are left: " +
                               started.leftovers.join(", ").toStdString());
        const FileTree stored = subtree(quillox::testing::treeOf(root), storeFolder);
        std::set<std::string> named;
        for (const auto& [name, path] : started.rows) {
            const std::string file = QFileInfo(path).fileName().toStdString();
            named.insert(file);
            const auto copy = stored.find(file);
            if (copy == stored.end() || !copy->second) {
                problems.push_back("document " + name.toStdString() + " has no copy " + file);
                continue;
            }
            const auto fingerprint = started.fingerprints.find(file);
            if (fingerprint != started.fingerprints.end() &&
                fingerprint->second.sha256 != sha256Of(*copy->second))
                problems.push_back("the copy " + file + " differs from its fingerprint");
            const auto wanted = sourceContents.find(name);
            if (wanted != sourceContents.end() && wanted->second != *copy->second)
                problems.push_back("the copy " + file + " differs from its source");
        }
        // A restore that replaces a store leaves the earlier store's copies, which its kept
        // database names; only a copy that the run made needs a row.
        const FileTree storedBefore = subtree(before, storeFolder);
        for (const auto& [file, contents] : stored) {
            const auto earlier = storedBefore.find(file);
            const bool untouched = earlier != storedBefore.end() && earlier->second == contents;
            if (contents && !named.count(file) && !untouched)
                problems.push_back("a copy without a row: " + file);
        }
        for (const std::string& mark : state.marks) {
            if (mark.rfind("filed ", 0) == 0 &&
                !started.rows.count(QString::fromStdString(mark.substr(6))))
                problems.push_back("reported filed, but gone: " + mark.substr(6));
        }
        return problems;
    }

    // Whether the backup in the state is whole, and then restores.
    Problems backupProblems(const CrashState& state) {
        const FileTree backup = subtree(state.tree, backupFolder);
        const auto manifest = backup.find(quillox::care::manifestName);
        if (manifest == backup.end() || !manifest->second) {
            if (reported(state, exitMark))
                return {"the backup reported done has no manifest"};
            return {};
        }
        quillox::care::BackupManifest parsed;
        try {
            parsed = quillox::care::parseManifest(QByteArray::fromStdString(*manifest->second));
        } catch (const std::exception& error) {
            return {std::string("the manifest is refused: ") + error.what()};
        }
        Problems problems;
        for (const quillox::care::ManifestFile& file : parsed.files) {
            const auto found = backup.find(file.path.toStdString());
            if (found == backup.end() || !found->second ||
                static_cast<std::int64_t>(found->second->size()) != file.size ||
                sha256Of(*found->second) != quillox::platform::sha256Text(file.sha256))
                problems.push_back("the backup's file " + file.path.toStdString() +
                                   " is not the one its manifest names");
        }
        if (problems.empty())
            problems = restoreProblems(backup);
        return problems;
    }

    // Restores the whole backup into a fresh home, once for each backup.
    Problems restoreProblems(const FileTree& backup) {
        const std::string digest = quillox::testing::treeDigest(backup);
        if (restored.count(digest))
            return restored[digest];
        const QTemporaryDir fresh;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", fresh.path());
        environment.insert("XDG_DATA_HOME", fresh.path() + "/data");
        environment.insert("XDG_CONFIG_HOME", fresh.path() + "/config");
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QUILLOX_DB_PATH,
                      {"restore", root + "/" + QString::fromStdString(backupFolder)});
        Problems problems;
        if (!process.waitForFinished(120000) || process.exitCode() != 0)
            problems.push_back("the whole backup does not restore: " +
                               process.readAllStandardError().toStdString());
        return restored[digest] = problems;
    }

    TempHome home;
    QString root;
    bool restoring = false;
    FileTree before;
    std::map<QString, std::string> sourceContents;
    std::map<std::string, Problems> restored;
};

TEST_F(CrashStateTest, Filing) {
    makeSources({{"doc-0.bin", 5000}, {"doc-1.bin", 3000}, {"doc-2.bin", 70000}, {"doc-3.bin", 1}});
    fileNow({"doc-0.bin"});
    checkRun("filing", CRASH_FILER_PATH,
             {source("doc-1.bin"), source("doc-2.bin"), source("doc-3.bin")},
             [](const CrashState&, const StartedStore&) { return Problems(); });
}

// The first filing makes the store: its folders and the database.
TEST_F(CrashStateTest, FilingIntoNewHome) {
    makeSources({{"doc-1.bin", 3000}, {"doc-2.bin", 70000}});
    checkRun("filing into a new home", CRASH_FILER_PATH, {source("doc-1.bin"), source("doc-2.bin")},
             [](const CrashState&, const StartedStore&) { return Problems(); });
}

TEST_F(CrashStateTest, Backup) {
    makeSources({{"doc-1.bin", 3000}, {"doc-2.bin", 70000}, {"doc-3.bin", 0}});
    fileNow({"doc-1.bin", "doc-2.bin", "doc-3.bin"});
    const std::set<QString> filed = {"doc-1.bin", "doc-2.bin", "doc-3.bin"};
    checkRun("backup", QUILLOX_DB_PATH,
             {"backup", root + "/" + QString::fromStdString(databaseFile),
              root + "/" + QString::fromStdString(backupFolder)},
             [&](const CrashState& state, const StartedStore& started) {
                 Problems problems = backupProblems(state);
                 if (started.refusal.isEmpty() && namesOf(started.rows) != filed)
                     problems.push_back("the backup changed the store's documents to " +
                                        describe(namesOf(started.rows)).toStdString());
                 return problems;
             });
}

// Restores of a backup of another home's store, into this home as the test leaves it.
class RestoreCrash : public CrashStateTest {
protected:
    void SetUp() override {
        CrashStateTest::SetUp();
        restoring = true;
        makeSources({{"doc-0.bin", 4000}, {"other-1.bin", 6000}, {"other-2.bin", 90000}});
        const TempHome other;
        fileNow({"other-1.bin", "other-2.bin"});
        QProcess process;
        process.start(QUILLOX_DB_PATH, {"backup", other.databaseFolder() + "main.abs",
                                        root + "/" + QString::fromStdString(backupFolder)});
        ASSERT_TRUE(process.waitForFinished(120000));
        ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    }

    void checkRestore(const char* scenario, const QStringList& arguments,
                      const std::set<QString>& earlier) {
        const std::set<QString> restoredNames = {"other-1.bin", "other-2.bin"};
        const FileTree backupBefore = subtree(quillox::testing::treeOf(root), backupFolder);
        checkRun(scenario, QUILLOX_DB_PATH, arguments,
                 [&](const CrashState& state, const StartedStore& started) {
                     Problems problems;
                     if (subtree(state.tree, backupFolder) != backupBefore)
                         problems.push_back("the backup was changed");
                     if (!started.refusal.isEmpty())
                         return problems;
                     const std::set<QString> names = namesOf(started.rows);
                     const FileTree stored = subtree(state.tree, storeFolder);
                     if (!state.tree.count(databaseFile) && !stored.empty())
                         problems.push_back("a new empty store was started beside restored "
                                            "copies: no database, " +
                                            std::to_string(stored.size()) + " copies");
                     if (reported(state, exitMark) ? names != restoredNames
                                                   : names != earlier && names != restoredNames)
                         problems.push_back("the store holds " + describe(names).toStdString() +
                                            ", neither the earlier store nor the restored one");
                     return problems;
                 });
    }
};

TEST_F(RestoreCrash, IntoNewHome) {
    checkRestore("restore into a new home",
                 {"restore", root + "/" + QString::fromStdString(backupFolder)}, {});
}

TEST_F(RestoreCrash, ReplacingStore) {
    fileNow({"doc-0.bin"});
    checkRestore("restore replacing a store",
                 {"restore", root + "/" + QString::fromStdString(backupFolder), "--replace"},
                 {"doc-0.bin"});
}

} // namespace

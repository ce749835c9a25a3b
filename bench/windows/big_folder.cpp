#include "big_folder.h"

#include "plain_sqlite.h"

#include <algorithm>
#include <sqlite3.h>

namespace {

constexpr int subfolderCount = 300;
constexpr int folderDocuments = 5'000;

// Generated names are syllables of a consonant and a vowel, so these cannot clash with them.
const QString folderName = "ARCHIVE FOLDER";

QString subfolderName(int number) {
    return "ARCHIVE " + QString::number(number).rightJustified(3, '0') + " SUBFOLDER";
}

std::int64_t singleNumber(PlainDb& db, const std::string& sql) {
    PlainStatement statement(db, sql);
    statement.step();
    return sqlite3_column_int64(statement.handle(), 0);
}

} // namespace

BigFolder addBigFolder(const QString& engineFile, int storeDocuments) {
    PlainDb db(engineFile);
    db.exec("BEGIN");
    std::int64_t id = singleNumber(db, "SELECT MAX(ID) FROM Folders");
    PlainStatement folders(db,
                           "INSERT INTO Folders (ID, Name, Parent, Picture) VALUES (?, ?, ?, ?)");
    const auto insert = [&](const QString& name, const QString& parent) {
        ++id;
        folders.bind(1, id);
        folders.bind(2, name.toStdString());
        folders.bind(3, parent.toStdString());
        folders.bind(4, id % 80);
        folders.step();
        folders.reset();
    };
    insert(folderName, "-");
    for (int number = 1; number <= subfolderCount; ++number)
        insert(subfolderName(number), folderName);

    PlainStatement move(db, "UPDATE Documents SET Folder = ? WHERE ID % ? = 0");
    move.bind(1, folderName.toStdString());
    move.bind(2, std::int64_t(std::max(1, storeDocuments / folderDocuments)));
    move.step();
    db.exec("COMMIT");

    BigFolder folder;
    folder.name = folderName;
    folder.firstSubfolder = subfolderName(1);
    folder.subfolders = static_cast<int>(singleNumber(
        db, "SELECT COUNT(*) FROM Folders WHERE Parent = '" + folderName.toStdString() + "'"));
    folder.documents = static_cast<int>(singleNumber(
        db, "SELECT COUNT(*) FROM Documents WHERE Folder = '" + folderName.toStdString() + "'"));
    return folder;
}

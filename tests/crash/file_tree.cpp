#include "file_tree.h"

#include "platform/sha256.h"
#include "test_files.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace quillox::testing {

FileTree treeOf(const QString& root) {
    FileTree tree;
    QDirIterator entries(root,
                         QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QFileInfo entry(entries.next());
        const std::string path = QDir(root).relativeFilePath(entry.filePath()).toStdString();
        if (entry.isDir())
            tree[path] = std::nullopt;
        else
            tree[path] = contentsOf(entry.filePath()).toStdString();
    }
    return tree;
}

void putTree(const FileTree& tree, const QString& root) {
    QDir folder(root);
    for (const QString& name :
         folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        const QString path = folder.filePath(name);
        ASSERT_TRUE(QFileInfo(path).isDir() ? QDir(path).removeRecursively() : QFile::remove(path))
            << path.toStdString();
    }
    // A map's order puts every folder before what it holds.
    for (const auto& [path, contents] : tree) {
        const QString full = folder.filePath(QString::fromStdString(path));
        if (!contents)
            ASSERT_TRUE(folder.mkpath(full)) << full.toStdString();
        else
            writeFile(full, QByteArray::fromStdString(*contents));
    }
}

std::string treeDigest(const FileTree& tree) {
    platform::Sha256 digest;
    for (const auto& [path, contents] : tree) {
        const std::string record =
            path + (contents ? "\1" + std::to_string(contents->size()) : "\2");
        digest.add(record.data(), record.size() + 1);
        if (contents)
            digest.add(contents->data(), contents->size());
    }
    return digest.hexDigest();
}

} // namespace quillox::testing

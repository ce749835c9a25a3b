#pragma once

#include "platform/sha256_bytes.h"

#include <QByteArray>
#include <QByteArrayView>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <initializer_list>
#include <memory>
#include <vector>

namespace quillox::care {

// One file of a backup: its path in the backup folder, as the file system spells it, its size
// and the SHA-256 of its bytes.
struct ManifestFile {
    QByteArray path;
    std::int64_t size = 0;
    platform::Sha256Bytes sha256{};
};

// The files of a manifest in the order added, kept small for a manifest of a million: a file
// takes 48 bytes and its path, the paths lying one after another in blocks. Neither the files
// nor the blocks move once added, so the memory never holds a second copy while it grows.
class ManifestFiles {
public:
    class Iterator {
    public:
        Iterator(const ManifestFiles& files, std::size_t index) : files_(&files), index_(index) {}
        ManifestFile operator*() const { return (*files_)[index_]; }
        Iterator& operator++() {
            ++index_;
            return *this;
        }
        bool operator==(const Iterator& other) const { return index_ == other.index_; }

    private:
        const ManifestFiles* files_;
        std::size_t index_;
    };

    ManifestFiles() = default;
    ManifestFiles(std::initializer_list<ManifestFile> files);

    void add(const ManifestFile& file);
    std::size_t size() const { return files_.size(); }
    bool empty() const { return files_.empty(); }
    ManifestFile operator[](std::size_t index) const;
    // The path of the file at the index, valid while the files are.
    QByteArrayView path(std::size_t index) const;
    Iterator begin() const { return {*this, 0}; }
    Iterator end() const { return {*this, size()}; }

private:
    struct Entry {
        std::int64_t size;
        platform::Sha256Bytes sha256;
        std::uint32_t block;
        std::uint32_t pathStart; // in its block, after the path's length
    };

    std::deque<Entry> files_;
    std::vector<std::unique_ptr<char[]>> blocks_;
    std::size_t lastBlockFree_ = 0;
    std::size_t lastBlockUsed_ = 0;
};

} // namespace quillox::care

#include "care/manifest_files.h"

#include <algorithm>
#include <cstring>

namespace quillox::care {
namespace {

constexpr std::size_t blockBytes = std::size_t(1) << 20;
constexpr std::size_t lengthBytes = sizeof(std::uint32_t);

} // namespace

ManifestFiles::ManifestFiles(std::initializer_list<ManifestFile> files) {
    for (const ManifestFile& file : files)
        add(file);
}

void ManifestFiles::add(const ManifestFile& file) {
    const auto length = static_cast<std::uint32_t>(file.path.size());
    const std::size_t needed = lengthBytes + length;
    if (needed > lastBlockFree_) {
        // A path longer than a block has a block of its own.
        const std::size_t bytes = std::max(blockBytes, needed);
        blocks_.push_back(std::make_unique<char[]>(bytes));
        lastBlockFree_ = bytes;
        lastBlockUsed_ = 0;
    }
    char* at = blocks_.back().get() + lastBlockUsed_;
    std::memcpy(at, &length, lengthBytes);
    std::memcpy(at + lengthBytes, file.path.constData(), length);
    files_.push_back({file.size, file.sha256, static_cast<std::uint32_t>(blocks_.size() - 1),
                      static_cast<std::uint32_t>(lastBlockUsed_ + lengthBytes)});
    lastBlockUsed_ += needed;
    lastBlockFree_ -= needed;
}

ManifestFile ManifestFiles::operator[](std::size_t index) const {
    const Entry& entry = files_[index];
    return {path(index).toByteArray(), entry.size, entry.sha256};
}

QByteArrayView ManifestFiles::path(std::size_t index) const {
    const Entry& entry = files_[index];
    const char* start = blocks_[entry.block].get() + entry.pathStart;
    std::uint32_t length = 0;
    std::memcpy(&length, start - lengthBytes, lengthBytes);
    return {start, static_cast<qsizetype>(length)};
}

} // namespace quillox::care

#include "copies_store.h"

#include "store/file_document.h"
#include "store/misc_ops.h"
#include "store/tdm_data.h"
#include "store_generator.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace {

constexpr std::int64_t totalBytes = std::int64_t(1) << 30;
constexpr std::int64_t smallest = 64 << 10;
constexpr std::int64_t largest = 2 << 20;

// Sizes spread evenly between the smallest and the largest, in a fixed shuffled order, until
// they make the total; the last one takes what is left.
std::vector<std::int64_t> copySizes() {
    std::vector<std::int64_t> sizes;
    std::uint64_t state = 0x9e3779b97f4a7c15;
    std::int64_t sum = 0;
    while (sum < totalBytes) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        const auto size = std::min<std::int64_t>(
            smallest + static_cast<std::int64_t>(state % (largest - smallest)), totalBytes - sum);
        sizes.push_back(size);
        sum += size;
    }
    return sizes;
}

// Bytes that differ from file to file and do not compress, as scans and PDF files do not.
QByteArray contents(std::int64_t size, std::uint64_t seed) {
    QByteArray bytes(size, Qt::Uninitialized);
    std::uint64_t state = seed * 0x2545f4914f6cdd1d + 1;
    for (std::int64_t i = 0; i + 8 <= size; i += 8) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        std::memcpy(bytes.data() + i, &state, 8);
    }
    return bytes;
}

} // namespace

CopiesStore makeCopiesStore(const QString& folder) {
    // The generated store's 10,000 folders and 20,000 terms, without its documents, whose
    // paths name no files.
    const BenchStore generated = generateStore(folder, 0);
    quillox::store::TdmData data;
    data.DataModuleCreate();
    const QString source = folder + "/source.pdf";
    CopiesStore store{data.dbMain.DatabaseFileName(),
                      QDir::cleanPath(quillox::store::getStoreFolder()), 0, 0};
    const std::vector<std::int64_t> sizes = copySizes();
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        QFile file(source);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(contents(sizes[i], i)) != sizes[i])
            throw std::runtime_error("cannot write " + source.toStdString());
        file.close();
        const quillox::store::FilingInput input{
            source,         QString("Scan %1").arg(i + 1), "",
            "BACKUP BENCH", QDateTime::currentDateTime(),  generated.browseFolder};
        if (!quillox::store::fileDocument(data, input, {}))
            throw std::runtime_error("a filing was cancelled");
        ++store.documents;
        store.bytes += sizes[i];
    }
    QFile::remove(source);
    return store;
}

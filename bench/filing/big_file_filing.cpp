#include "big_file_filing.h"

#include "bench_home.h"
#include "run_command.h"
#include "store/file_document.h"
#include "store/misc_ops.h"
#include "store/tdm_data.h"
#include "timing.h"

#include <QDir>
#include <QFile>
#include <cstring>
#include <stdexcept>
#include <unistd.h>

namespace {

constexpr qint64 sourceBytes = qint64(1) << 30;
constexpr qint64 writeChunk = qint64(8) << 20;

QString makeSource(const QString& folder) {
    const QString path = folder + "/source-1GiB.bin";
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot make " + path.toStdString());
    QByteArray chunk(writeChunk, Qt::Uninitialized);
    for (qint64 written = 0; written < sourceBytes; written += writeChunk) {
        for (qint64 i = 0; i < writeChunk; i += 8) {
            const qint64 offset = written + i;
            std::memcpy(chunk.data() + i, &offset, sizeof offset);
        }
        if (file.write(chunk) != writeChunk)
            throw std::runtime_error("cannot write " + path.toStdString());
    }
    file.flush();
    ::fsync(file.handle());
    return path;
}

// Removes the copies and lets the file system settle, so that one repetition's freeing of
// blocks does not land in the next one's time.
void emptyStore(const QString& store) {
    for (const QString& name : QDir(store).entryList(QDir::Files | QDir::Hidden))
        QFile::remove(store + name);
    ::sync();
}

} // namespace

BigFileFigures compareBigFileFiling(const QString& folder, int repetitions) {
    useHome(folder + "/home");
    quillox::store::TdmData data;
    data.DataModuleCreate();
    const QString source = makeSource(folder);
    const QString store = quillox::store::getStoreFolder();
    const quillox::store::FilingInput input{
        source, "Big file", "", "", QDateTime::currentDateTime(), "BENCH"};
    // What the dialog's progress bar costs is not part of the comparison.
    const auto progress = [](qint64, qint64) { return true; };

    const auto fileWithQuillox = [&] {
        return secondsOf([&] {
            if (!quillox::store::fileDocument(data, input, progress))
                throw std::runtime_error("the filing was cancelled");
        });
    };
    const std::string target = (store + "cp-copy.bin").toStdString();
    const auto copyWithCp = [&] {
        return secondsOf([&] {
            runCommand({"cp", source.toStdString(), target});
            runCommand({"sync", target});
        });
    };

    std::vector<double> filing, cp;
    for (int i = 0; i < repetitions; ++i) {
        if (i % 2 == 0) {
            filing.push_back(fileWithQuillox());
            emptyStore(store);
        }
        cp.push_back(copyWithCp());
        emptyStore(store);
        if (i % 2 == 1) {
            filing.push_back(fileWithQuillox());
            emptyStore(store);
        }
    }
    data.DataModuleDestroy();
    QFile::remove(source);
    return {sourceBytes, repetitions, median(filing), median(cp)};
}

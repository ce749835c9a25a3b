#pragma once

#include <QString>

namespace quillox::care {

// The marker of a restore under way beside the database file (see store::restoreMarkerFile):
// while it is there the store is incomplete, and Quillox refuses to start on it. A restore
// writes it before it puts the first copy into the store folder and removes it once the
// database is in place, both durably. Going before it is removed, it is removed only when
// there was none before: a marker of an interrupted restore stays until a restore finishes.
class RestoreMarker {
public:
    explicit RestoreMarker(const QString& databaseFile);
    ~RestoreMarker();
    RestoreMarker(const RestoreMarker&) = delete;
    RestoreMarker& operator=(const RestoreMarker&) = delete;

    // Whether an earlier restore was interrupted.
    bool wasThere() const { return wasThere_; }
    // Writes the marker naming the backup folder, and flushes it and its name to the disk.
    // Throws UserError.
    void write(const QString& backupFolder);
    // Removes the marker, and flushes that to the disk. Throws UserError.
    void remove();

private:
    QString databaseFile_;
    QString path_;
    bool wasThere_ = false;
    bool written_ = false;
};

} // namespace quillox::care

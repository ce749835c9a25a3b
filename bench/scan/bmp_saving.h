#pragma once

#include "platform/device_independent_bitmap.h"

#include <QString>

// The page saved with writeBmpFile, and as many bytes written with plain POSIX calls, each
// into a file of the same folder that is removed after its timing.
class BmpSaving {
public:
    BmpSaving(const quillox::platform::DeviceIndependentBitmap& page, const QString& folder);

    double bmpMs();
    // The file's headers and pixels, in one write each, without any flush to the disk.
    double plainWriteMs();
    // The same, then fdatasync, so that the bytes are on the disk when it returns.
    double syncedPlainWriteMs();

private:
    double plainWrite(bool synced);

    const quillox::platform::DeviceIndependentBitmap& page_;
    QString bmpPath_;
    QString plainPath_;
};

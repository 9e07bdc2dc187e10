#pragma once

// Output files that change only when they were written whole: the bytes go
// to a temporary file beside the target, renamed over it at the end
// (QSaveFile), so a failure leaves an earlier file as it was. A device or
// pipe (/dev/stdout, a FIFO, /dev/full) is written in place instead: the
// rename would replace the device with a plain file.

#include <QFileDevice>
#include <QString>

#include <memory>

namespace solvane::files {

// Not yet open; open it write-only (with Text as wanted).
std::unique_ptr<QFileDevice> openTarget(const QString &path);

// Puts the written file in place. False, with the device's errorString(),
// when any byte could not be written; the target is then unchanged (a
// device has had what was written).
bool finishTarget(QFileDevice &file);

} // namespace solvane::files

#include "persist/StateWriter.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <fcntl.h>
#include <unistd.h>

#include <cstring>

namespace persist {

namespace {

void AppendString(QString& out, const QString& value) {
    out += QLatin1Char('"');
    // A quote inside is doubled so that the reader can tell it from the closing one.
    out += QString(value).replace(QLatin1Char('"'), QLatin1StringView("\"\""));
    out += QLatin1StringView("\"\r\n");
}

void AppendInteger(QString& out, int value) {
    out += QString::number(value);
    out += QLatin1StringView("\r\n");
}

}  // namespace

QString OutputTextToSave(const QString& text) {
    if (text.size() <= kSavedOutputLimit) return text;
    return text.left(kSavedOutputLimit) + kTruncationMarker;
}

QByteArray StateFileText(const SavedState& state) {
    QString out;
    out.reserve(state.outputText.size() + 512);
    AppendString(out, state.startNumber);
    AppendString(out, state.endNumber);
    AppendString(out, state.filterA);
    AppendString(out, state.filterType);
    AppendString(out, state.filterB);
    AppendInteger(out, state.separatorCode);
    for (int option : state.modeOptions) AppendInteger(out, option);
    AppendInteger(out, state.showPalmenColor);
    AppendInteger(out, state.showEKValue);
    AppendInteger(out, state.binsIndex);
    AppendString(out, state.resetCaption);
    AppendString(out, state.savedFilterA);
    AppendString(out, state.savedFilterB);
    AppendString(out, kSeparatorLineText);
    AppendString(out, state.outputText);
    return out.toUtf8();
}

namespace {

SaveResult OpenFailure(const QString& path, const QFileDevice& file) {
    return {false, QStringLiteral("Cannot open %1 for writing: %2").arg(path, file.errorString())};
}

SaveResult WriteFailure(const QString& path, const QString& reason) {
    return {false, QStringLiteral("Cannot write %1: %2").arg(path, reason)};
}

// The reason of a write or flush that failed; a write cut short (a full
// disk, a size limit) need not set an error.
QString WriteFailureReason(const QFileDevice& file, qint64 written, qint64 size) {
    if (file.error() != QFileDevice::NoError) return file.errorString();
    return QStringLiteral("only %1 of %2 bytes could be written")
        .arg(qMax<qint64>(written, 0))
        .arg(size);
}

// For a file whose folder takes no new file (no room for a file to rename
// over it): the file's own blocks are reserved first, so that a full disk
// is found before the old text is touched; then the text is written over
// the old one and the rest cut off.
SaveResult WriteInPlace(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite)) return OpenFailure(path, file);
    const int reserved = posix_fallocate(file.handle(), 0, qMax<qint64>(bytes.size(), 1));
    if (reserved != 0) return WriteFailure(path, QString::fromLocal8Bit(std::strerror(reserved)));
    const qint64 written = file.write(bytes);
    if (written != bytes.size() || !file.flush() || !file.resize(bytes.size()) ||
        fsync(file.handle()) != 0) {
        return WriteFailure(path, WriteFailureReason(file, written, bytes.size()));
    }
    return {true, {}};
}

bool FolderTakesNoNewFile(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.isWritable() &&
           access(QFile::encodeName(info.absolutePath()).constData(), W_OK) != 0;
}

}  // namespace

SaveResult WriteStateFile(const StateFileLocation& location, const SavedState& state) {
    if (!location.folderReady) return {false, location.error};
    const QFileInfo target(location.path);
    // A FIFO or a device is not replaced (nor written, which may never end).
    if (target.exists() && !target.isFile() && !target.isDir()) {
        return {false, QStringLiteral("%1 is not a regular file.").arg(location.path)};
    }
    const QByteArray bytes = StateFileText(state);
    if (FolderTakesNoNewFile(location.path)) return WriteInPlace(location.path, bytes);

    QSaveFile file(location.path);
    if (!file.open(QIODevice::WriteOnly)) return OpenFailure(location.path, file);
    const qint64 written = file.write(bytes);
    // Returning without commit() discards the new file and keeps the old one.
    // A short file fits in the write buffer: its write fails at the flush,
    // which commit() would not report.
    if (written != bytes.size() || !file.flush()) {
        return WriteFailure(location.path, WriteFailureReason(file, written, bytes.size()));
    }
    if (!file.commit()) return WriteFailure(location.path, file.errorString());
    return {true, {}};
}

}  // namespace persist

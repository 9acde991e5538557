#include "persist/StateWriter.h"

#include <QSaveFile>

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

SaveResult WriteStateFile(const StateFileLocation& location, const SavedState& state) {
    if (!location.folderReady) return {false, location.error};
    QSaveFile file(location.path);
    if (!file.open(QIODevice::WriteOnly)) {
        return {false, QStringLiteral("Cannot open %1 for writing: %2")
                           .arg(location.path, file.errorString())};
    }
    const QByteArray bytes = StateFileText(state);
    const qint64 written = file.write(bytes);
    // Returning without commit() discards the new file and keeps the old one.
    if (written != bytes.size()) {
        // A write cut short (a full disk, a size limit) need not set an error.
        const QString reason = file.error() != QFileDevice::NoError
                                   ? file.errorString()
                                   : QStringLiteral("only %1 of %2 bytes could be written")
                                         .arg(qMax<qint64>(written, 0))
                                         .arg(bytes.size());
        return {false, QStringLiteral("Cannot write %1: %2").arg(location.path, reason)};
    }
    if (!file.commit()) {
        return {false,
                QStringLiteral("Cannot write %1: %2").arg(location.path, file.errorString())};
    }
    return {true, {}};
}

}  // namespace persist

#include "stats/GraphImageFile.h"

#include <QBuffer>
#include <QImageWriter>
#include <QSaveFile>

namespace stats {

namespace {

QString Failure(const QString& fileName, const QString& reason) {
    return QStringLiteral("Cannot save the picture to %1: %2.").arg(fileName, reason);
}

}  // namespace

QString SaveGraphImage(const QImage& image, const QString& fileName) {
    const bool png = fileName.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive);
    QBuffer encoded;
    encoded.open(QIODevice::WriteOnly);
    QImageWriter writer(&encoded, png ? "png" : "bmp");
    if (!writer.write(image)) return Failure(fileName, writer.errorString());
    return SaveGraphData(encoded.data(), fileName);
}

QString SaveGraphData(const QByteArray& data, const QString& fileName) {
    const QString reason = WriteWholeFile(data, fileName);
    return reason.isEmpty() ? reason : Failure(fileName, reason);
}

QString WriteWholeFile(const QByteArray& data, const QString& fileName) {
    // Written beside the old file and put in its place only when all of it
    // is written: a full disk leaves the old file as it was. A folder that
    // takes no new file, where the file itself may be written, is written in
    // place.
    QSaveFile file(fileName);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    if (file.write(data) != data.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) return file.errorString();
    return {};
}

}  // namespace stats

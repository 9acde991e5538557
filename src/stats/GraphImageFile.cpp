#include "stats/GraphImageFile.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>

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
    // Opened here rather than by a writer, whose error would not say why.
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return Failure(fileName, file.errorString());
    }
    if (file.write(data) != data.size() || !file.flush()) {
        return Failure(fileName, file.errorString());
    }
    return {};
}

}  // namespace stats

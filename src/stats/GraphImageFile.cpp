#include "stats/GraphImageFile.h"

#include <QFile>
#include <QImageWriter>

namespace stats {

QString SaveGraphImage(const QImage& image, const QString& fileName) {
    const auto failure = [&](const QString& reason) {
        return QStringLiteral("Cannot save the picture to %1: %2.").arg(fileName, reason);
    };
    // Opened here rather than by the writer, whose error would not say why.
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return failure(file.errorString());
    }
    const bool png = fileName.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive);
    QImageWriter writer(&file, png ? "png" : "bmp");
    if (!writer.write(image)) return failure(writer.errorString());
    if (!file.flush()) return failure(file.errorString());
    return {};
}

}  // namespace stats

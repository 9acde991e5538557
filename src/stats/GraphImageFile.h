#pragma once

#include <QImage>
#include <QString>

namespace stats {

// Writes `image` to `fileName`: a PNG file when the name ends in ".png"
// (any case), otherwise a Windows bitmap (BMP). Returns an empty text on
// success, else a description naming the file and the reason.
QString SaveGraphImage(const QImage& image, const QString& fileName);

// Writes the encoded picture `data` (an SVG drawing, say) to `fileName`, with
// the failures described as SaveGraphImage describes them.
QString SaveGraphData(const QByteArray& data, const QString& fileName);

// Writes `data` to `fileName`, replacing the file only once all of it is
// written. Returns an empty text on success, else the reason.
QString WriteWholeFile(const QByteArray& data, const QString& fileName);

}  // namespace stats

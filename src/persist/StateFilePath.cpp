#include "persist/StateFilePath.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <filesystem>
#include <system_error>

namespace persist {

StateFileLocation StateFilePath(const QString& fileName, const QString& folderName) {
    StateFileLocation location;
    const QString dataFolder =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (dataFolder.isEmpty()) {
        location.path = fileName;
        location.error = QStringLiteral("No application-data folder is known.");
        return location;
    }
    const QString folder = QDir::cleanPath(dataFolder + QLatin1Char('/') + folderName);
    location.path = folder + QLatin1Char('/') + fileName;

    // std::filesystem rather than QDir::mkpath: it tells why a folder can't be made.
    std::error_code error;
    const std::filesystem::path nativeFolder(QFile::encodeName(folder).toStdString());
    std::filesystem::create_directories(nativeFolder, error);
    if (error) {
        location.error = QStringLiteral("Cannot create the folder %1: %2")
                             .arg(folder, QString::fromLocal8Bit(error.message()));
        return location;
    }
    location.folderReady = true;
    return location;
}

}  // namespace persist

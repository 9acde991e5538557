#include "app/WebLinks.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

#include "util/ProgramFolder.h"

namespace app {

namespace {

// Error numbers of the launcher, as its message names them.
constexpr int kFileNotFound = 2;
constexpr int kOutOfMemory = 8;
constexpr int kNoAssociation = 31;

const QString kErrorTitle = QStringLiteral("Cannot launch web browser");

bool HasUrlScheme(const QString& address) {
    // Two characters at least, so that a drive letter ("C:") is no scheme.
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    return scheme.match(address).hasMatch();
}

}  // namespace

QString AddressExtension(const QString& address) {
    const qsizetype slash =
        std::max(address.lastIndexOf(QLatin1Char('\\')), address.lastIndexOf(QLatin1Char('/')));
    const QString name = address.mid(slash + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0) return QString();
    return name.mid(dot + 1).toLower();
}

QString WebLaunchErrorText(int code, const QString& extension) {
    QString text = QStringLiteral("Error launching web browser, error code = %1.").arg(code);
    const QString emptyLine = QStringLiteral("\r\n\r\n");
    switch (code) {
        case kNoAssociation:
            text += emptyLine + QStringLiteral("File extension '") + extension +
                    QStringLiteral("' is not associated with any application program.");
            break;
        case kOutOfMemory:
            text += emptyLine + QStringLiteral("Out of memory.");
            break;
        case kFileNotFound:
            text += emptyLine + QStringLiteral("Please try once more.");
            break;
        default:
            break;
    }
    return text;
}

QUrl ResolveWebAddress(const QString& address, const QString& programFolder) {
    if (HasUrlScheme(address)) return QUrl(address);
    if (QDir::isAbsolutePath(address)) return QUrl::fromLocalFile(address);
    return QUrl::fromLocalFile(QDir::cleanPath(QDir(programFolder).filePath(address)));
}

QUrl ResolveWebAddress(const QString& address) {
    return ResolveWebAddress(address, QString::fromStdString(util::ProgramFolder()));
}

QString DisplayAddress(const QString& address) {
    return ResolveWebAddress(address).toDisplayString();
}

bool OpenWithDesktop(const QUrl& url) { return QDesktopServices::openUrl(url); }

void OpenWebPage(const QString& address, const UrlOpener& opener, engine::MessageSink& messages) {
    const QUrl url = ResolveWebAddress(address);
    int code = 0;
    // A page is a file: an empty address (a missing program text) resolves to
    // the program's folder, which is no page to open.
    if (url.isLocalFile() && !QFileInfo(url.toLocalFile()).isFile()) {
        code = kFileNotFound;
    } else if (!opener(url)) {
        // The desktop gives no reason for a failure; the usual one is that no
        // program takes the address's type.
        code = kNoAssociation;
    } else {
        return;
    }
    const QString text = WebLaunchErrorText(code, AddressExtension(address));
    messages.ShowMessage(engine::Message{text.toStdString(), kErrorTitle.toStdString(),
                                         engine::MessageIcon::Warning});
}

QString OnlineManualToolTip(const QString& address) {
    return QStringLiteral("Click for the online user manual at ") + address;
}

QString PublisherToolTip(const QString& publisher, const QString& address) {
    return QStringLiteral("Click for the ") + publisher + QStringLiteral(" website at ") + address;
}

}  // namespace app

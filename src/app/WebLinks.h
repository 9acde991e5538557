#pragma once

#include <QString>
#include <QUrl>

#include <functional>

#include "engine/Message.h"

namespace app {

// The page on the Palmen color shipped beside the program.
inline constexpr const char* kPalmenPageAddress = "palmen.html";

// Opens a resolved address; true when a program took it. The window passes
// OpenWithDesktop; tests pass their own.
using UrlOpener = std::function<bool(const QUrl&)>;

// The lower-cased extension of an address: the part after its last "\" or
// "/" (the whole address when it has neither), then the part of that after
// its last "." (empty when it has none). "http://host/Page.HTM" gives "htm".
QString AddressExtension(const QString& address);

// The message for a browser that could not be started. `code` is the
// launcher's error number (0 .. 32): 31 no program for the address's type,
// 8 out of memory, 2 file not found; any other code gives the first sentence
// only.
QString WebLaunchErrorText(int code, const QString& extension);

// The address as something to open: a URL with a scheme (http, https, file,
// mailto ...) as it is, an absolute path as a file, and a relative address as
// a file in `programFolder`.
QUrl ResolveWebAddress(const QString& address, const QString& programFolder);

// ResolveWebAddress against the program's folder (util::ProgramFolder()).
QUrl ResolveWebAddress(const QString& address);

// The address as the user should read it in the help text and the tooltips:
// the resolved URL written out, so a page beside the program shows as
// file:///.../manual.html.
QString DisplayAddress(const QString& address);

// Hands the URL to the desktop's default program (QDesktopServices::openUrl).
bool OpenWithDesktop(const QUrl& url);

// Opens the page at `address` in the user's web browser. A local address that
// is no file (an empty address among them), or an opener that fails, is
// reported through `messages` in a box with the warning icon titled "Cannot
// launch web browser"; nothing else changes.
void OpenWebPage(const QString& address, const UrlOpener& opener, engine::MessageSink& messages);

// Tooltips of the two link labels on the main window; `publisher` is the name
// the publisher's label shows, so that its tooltip names the same.
QString OnlineManualToolTip(const QString& address);
QString PublisherToolTip(const QString& publisher, const QString& address);

}  // namespace app

#pragma once

#include <QString>

namespace app {

// The text of the help window: 25 paragraphs separated by an empty line
// (CR LF CR LF) and ending in one CR LF. `manualAddress` closes the first
// paragraph; `palmenAddress`, the page on the Palmen color, ends the twelfth.
// Pure: the window builds it once and keeps it.
QString HelpText(const QString& manualAddress, const QString& palmenAddress);

}  // namespace app

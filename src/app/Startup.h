#pragma once

#include <QString>

#include <string>

#include "format/Separator.h"

namespace util {
class ProgramTexts;
}

namespace app {

class MessageService;

// Loads the program texts `fileName` from `folder`. A file that cannot be
// loaded is reported in a message with an empty title and the error icon;
// the program cannot run then and the result is false.
bool LoadProgramTextsOrReport(util::ProgramTexts& texts, const std::string& folder,
                              const std::string& fileName, MessageService& messages);

// Loads the number-theory kernel. A kernel that cannot be had is reported
// with its reason; the result is false then.
bool LoadKernelOrReport(MessageService& messages);

// "Primorator 11.09": the product name, then the major version, ".", the
// minor version and the digit 9.
QString WindowTitle(int majorVersion, int minorVersion);

// The introduction: the largest number written with `separator`, the middle
// sentence (program text 31) and the hint at the Help button.
QString IntroductionText(format::Separator separator, const QString& middleSentence);

}  // namespace app

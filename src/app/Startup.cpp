#include "app/Startup.h"

#include "app/MessageService.h"
#include "format/NumberText.h"
#include "numlib/NumKernel.h"
#include "util/ProgramTexts.h"

namespace app {

bool LoadProgramTextsOrReport(util::ProgramTexts& texts, const std::string& folder,
                              const std::string& fileName, MessageService& messages) {
    const util::ProgramTextsLoad load = texts.LoadProgramTexts(folder, fileName);
    if (load.succeeded) return true;
    messages.ShowMessage({load.message, "", engine::MessageIcon::Error});
    return false;
}

bool LoadKernelOrReport(MessageService& messages) {
    try {
        numlib::NumKernel::Instance();
        return true;
    } catch (const numlib::KernelLoadError& error) {
        messages.ShowMessage({error.what(), engine::kProgramTitle, engine::MessageIcon::Error});
        return false;
    }
}

QString WindowTitle(int majorVersion, int minorVersion) {
    return QLatin1String(engine::kProgramTitle) + QLatin1Char(' ') + QString::number(majorVersion) +
           QLatin1Char('.') + QString::number(minorVersion) + QLatin1Char('9');
}

QString IntroductionText(format::Separator separator, const QString& middleSentence) {
    const std::string largest = format::FormatWithSeparator(format::kMaxNumberText, separator);
    return QStringLiteral("Primorator is for factoring positive integers <= ") +
           QString::fromStdString(largest) + QStringLiteral(".  ") + middleSentence +
           QStringLiteral("  Click on \"Help\" for more information.");
}

}  // namespace app

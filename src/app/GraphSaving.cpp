#include "app/GraphSaving.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "app/MessageService.h"
#include "stats/HistogramPicture.h"
#include "util/ProgramTexts.h"

namespace app {

namespace {

// Program texts: the question, its second line and its title.
constexpr int16_t kSaveQuestion = 24;
constexpr int16_t kSaveQuestionDetail = 25;
constexpr int16_t kSaveQuestionTitle = 26;

std::string MissingFolderText(const QString& folder) {
    return QStringLiteral("The folder %1 does not exist.")
        .arg(QDir::toNativeSeparators(folder))
        .toStdString();
}

}  // namespace

QString RunSaveDialog(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

GraphSaving::GraphSaving(QWidget& window, const stats::HistogramPicture& picture,
                         const util::ProgramTexts& texts, MessageService& messages)
    : m_window(window),
      m_picture(picture),
      m_texts(texts),
      m_messages(messages),
      m_runDialog(RunSaveDialog) {}

void GraphSaving::AskToSave() {
    const engine::Message question{
        m_texts.ProgramText(kSaveQuestion) + "\r\n" + m_texts.ProgramText(kSaveQuestionDetail),
        m_texts.ProgramText(kSaveQuestionTitle)};
    if (m_messages.Ask(question, MessageButtons::YesNo) == MessageAnswer::Yes) SaveGraphImage();
}

void GraphSaving::SaveGraphImage() {
    QFileDialog dialog(&m_window, QStringLiteral("Save image as"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A file that exists is overwritten only after asking.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("Bitmap file (*.bmp)"));
    dialog.setDefaultSuffix(QStringLiteral("bmp"));
    QString fileName = m_runDialog(dialog);
    // The dialog lets a folder that does not exist through; it is refused and
    // the dialog comes back until the user names a folder that does, or cancels.
    while (!fileName.isEmpty()) {
        const QString folder = QFileInfo(fileName).absolutePath();
        if (QFileInfo(folder).isDir()) break;
        m_messages.ShowMessage(
            {MissingFolderText(folder), engine::kProgramTitle, engine::MessageIcon::Warning});
        fileName = m_runDialog(dialog);
    }
    if (fileName.isEmpty()) return;
    const QString failure = m_picture.Save(fileName);
    if (!failure.isEmpty()) {
        m_messages.ShowMessage(
            {failure.toStdString(), engine::kProgramTitle, engine::MessageIcon::Warning});
    }
}

}  // namespace app

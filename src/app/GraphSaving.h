#pragma once

#include <QString>

#include <functional>

class QFileDialog;
class QWidget;

namespace stats {
class HistogramPicture;
}

namespace util {
class ProgramTexts;
}

namespace app {

class MessageService;

// Runs the save dialog, set up with its title, filter and rules, and gives
// the file name chosen, or an empty text when the user cancels. The tests
// answer the dialog through one of their own.
using SaveDialogRunner = std::function<QString(QFileDialog& dialog)>;

// The right-button rule of picGraph: the question whether to save the
// picture, and on Yes the picture written to a bitmap file the user names.
class GraphSaving {
public:
    GraphSaving(QWidget& window, const stats::HistogramPicture& picture,
                const util::ProgramTexts& texts, MessageService& messages);

    void SetDialogRunner(SaveDialogRunner run) { m_runDialog = std::move(run); }

    // The right button released on the picture: asks, and on Yes saves.
    void AskToSave();
    // The save dialog, then the file; a file that cannot be written is
    // reported, a cancelled dialog writes nothing.
    void SaveGraphImage();

private:
    QWidget& m_window;
    const stats::HistogramPicture& m_picture;
    const util::ProgramTexts& m_texts;
    MessageService& m_messages;
    SaveDialogRunner m_runDialog;
};

// The dialog as the program runs it: modal, the first file chosen.
QString RunSaveDialog(QFileDialog& dialog);

}  // namespace app

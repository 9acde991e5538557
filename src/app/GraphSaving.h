#pragma once

#include <QString>

#include <functional>

class QFileDialog;
class QWidget;

namespace engine {
struct HistogramState;
}

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

// The name filters of the picture's save dialog, the bitmap first: BMP, PNG,
// PNG at 2 and 4 times the size for printing, and SVG.
QStringList PictureFilters();

// The commands of the graph's menu: the question whether to save the
// picture, and on Yes the picture written to a file the user names (a
// bitmap unless the user picks another kind); the picture put on the
// clipboard; the histogram's table written as CSV.
class GraphSaving {
public:
    GraphSaving(QWidget& window, const stats::HistogramPicture& picture,
                const engine::HistogramState& data, const util::ProgramTexts& texts,
                MessageService& messages);

    void SetDialogRunner(SaveDialogRunner run) { m_runDialog = std::move(run); }

    // Asks, and on Yes saves.
    void AskToSave();
    // The save dialog, then the file; a file that cannot be written is
    // reported, a cancelled dialog writes nothing.
    void SaveGraphImage();
    // The picture, as a save writes it, on the clipboard.
    void CopyPicture() const;
    // The table of the picture's histogram as the command-line tool's --csv writes it.
    void SaveTable();

private:
    // The file the dialog gives in a folder that exists, or an empty text.
    QString ChooseFile(QFileDialog& dialog);
    QString WritePicture(const QString& fileName, const QString& filter) const;
    void Report(const QString& failure);

    QWidget& m_window;
    const stats::HistogramPicture& m_picture;
    const engine::HistogramState& m_data;
    const util::ProgramTexts& m_texts;
    MessageService& m_messages;
    SaveDialogRunner m_runDialog;
};

// The dialog as the program runs it: modal, the first file chosen.
QString RunSaveDialog(QFileDialog& dialog);

}  // namespace app

#include "app/GraphSaving.h"

#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>

#include "app/MessageService.h"
#include "stats/GraphImageFile.h"
#include "stats/HistogramCsv.h"
#include "stats/HistogramPicture.h"
#include "util/ProgramTexts.h"

namespace app {

namespace {

// Program texts: the question, its second line and its title.
constexpr int16_t kSaveQuestion = 24;
constexpr int16_t kSaveQuestionDetail = 25;
constexpr int16_t kSaveQuestionTitle = 26;

const QString kBitmapFilter = QStringLiteral("Bitmap file (*.bmp)");
const QString kPngFilter = QStringLiteral("PNG image (*.png)");
const QString kPng2Filter = QStringLiteral("PNG image, twice the size for printing (*.png)");
const QString kPng4Filter = QStringLiteral("PNG image, four times the size for printing (*.png)");
const QString kSvgFilter = QStringLiteral("SVG drawing (*.svg)");
const QString kCsvFilter = QStringLiteral("CSV table (*.csv)");

// What each filter's files end in when the name the user types has no ending.
QString SuffixOf(const QString& filter) {
    return filter.section(QStringLiteral("(*."), 1).chopped(1);
}

std::string MissingFolderText(const QString& folder) {
    return QStringLiteral("The folder %1 does not exist.")
        .arg(QDir::toNativeSeparators(folder))
        .toStdString();
}

QByteArray SvgOf(const stats::HistogramPicture& picture) {
    QBuffer svg;
    QSvgGenerator generator;
    generator.setOutputDevice(&svg);
    generator.setSize(picture.Image().size());
    // A pixel of the picture is a pixel of the screen (CSS's 96 to the inch).
    generator.setResolution(96);
    generator.setViewBox(QRect(QPoint(0, 0), picture.Image().size()));
    generator.setTitle(QStringLiteral("Primorator histogram"));
    // One unit of the drawing to a pixel of the picture: the same geometry, at any size.
    picture.Redraw(generator, 1);
    return svg.data();
}

}  // namespace

QStringList PictureFilters() {
    return {kBitmapFilter, kPngFilter, kPng2Filter, kPng4Filter, kSvgFilter};
}

QString RunSaveDialog(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

GraphSaving::GraphSaving(QWidget& window, const stats::HistogramPicture& picture,
                         const engine::HistogramState& data, const util::ProgramTexts& texts,
                         MessageService& messages)
    : m_window(window),
      m_picture(picture),
      m_data(data),
      m_texts(texts),
      m_messages(messages),
      m_runDialog(RunSaveDialog) {}

void GraphSaving::AskToSave() {
    const engine::Message question{
        m_texts.ProgramText(kSaveQuestion) + "\r\n" + m_texts.ProgramText(kSaveQuestionDetail),
        m_texts.ProgramText(kSaveQuestionTitle)};
    if (m_messages.Ask(question, MessageButtons::YesNo) == MessageAnswer::Yes) SaveGraphImage();
}

QString GraphSaving::ChooseFile(QFileDialog& dialog) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A file that exists is overwritten only after asking.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(SuffixOf(dialog.selectedNameFilter()));
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog](const QString& filter) { dialog.setDefaultSuffix(SuffixOf(filter)); });
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
    return fileName;
}

void GraphSaving::SaveGraphImage() {
    QFileDialog dialog(&m_window, QStringLiteral("Save image as"));
    dialog.setNameFilters(PictureFilters());
    const QString fileName = ChooseFile(dialog);
    if (fileName.isEmpty()) return;
    Report(WritePicture(fileName, dialog.selectedNameFilter()));
}

QString GraphSaving::WritePicture(const QString& fileName, const QString& filter) const {
    // The kind follows the name's ending (the dialog gives a bare name the
    // filter's); the two printing filters choose the size.
    if (fileName.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        return stats::SaveGraphData(SvgOf(m_picture), fileName);
    }
    if (filter == kPng2Filter || filter == kPng4Filter) {
        return stats::SaveGraphImage(m_picture.Scaled(filter == kPng2Filter ? 2 : 4), fileName);
    }
    return m_picture.Save(fileName);
}

void GraphSaving::CopyPicture() const { QGuiApplication::clipboard()->setImage(m_picture.Image()); }

void GraphSaving::SaveTable() {
    QFileDialog dialog(&m_window, QStringLiteral("Save table as"));
    dialog.setNameFilter(kCsvFilter);
    const QString fileName = ChooseFile(dialog);
    if (fileName.isEmpty()) return;
    const QString reason = stats::WriteWholeFile(
        QByteArray::fromStdString(stats::HistogramCsv(m_data, m_picture.BinsEntry())), fileName);
    if (!reason.isEmpty()) {
        Report(QStringLiteral("Cannot save the table to %1: %2.").arg(fileName, reason));
    }
}

void GraphSaving::Report(const QString& failure) {
    if (failure.isEmpty()) return;
    m_messages.ShowMessage(
        {failure.toStdString(), engine::kProgramTitle, engine::MessageIcon::Warning});
}

}  // namespace app

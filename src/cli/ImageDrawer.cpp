// The picture library of the command-line tool (libprimorator-image.so).
#include <QGuiApplication>
#include <QString>

#include <memory>

#include "cli/PictureDrawer.h"
#include "stats/HistogramPicture.h"

namespace {

// Drawing text needs the fonts of a GUI application, here without a screen.
std::unique_ptr<QGuiApplication> MakeApplication() {
    if (QGuiApplication::instance() != nullptr) return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "primorator-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

class ImageDrawer final : public cli::PictureDrawer {
public:
    explicit ImageDrawer(engine::MessageSink& messages)
        : m_application(MakeApplication()), m_picture(messages, stats::KernelLineFitter()) {}

    void BeginGraph(engine::HistogramKind kind, int binsEntry) override {
        m_picture.BeginGraph(kind, binsEntry);
    }
    void Render(const engine::HistogramState& state, bool final, int binsEntry,
                format::Separator separator) override {
        m_picture.Render(state, final, binsEntry, separator);
    }
    std::string Save(const std::string& fileName) const override {
        return m_picture.Save(QString::fromStdString(fileName)).toStdString();
    }

private:
    std::unique_ptr<QGuiApplication> m_application;  // first made, last gone
    stats::HistogramPicture m_picture;
};

}  // namespace

extern "C" __attribute__((visibility("default"))) cli::PictureDrawer*
primorator_make_picture_drawer(engine::MessageSink* messages) {
    return new ImageDrawer(*messages);
}

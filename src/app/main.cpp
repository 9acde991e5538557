#include <QApplication>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "app/frmMain.h"

namespace {

// Read by people and by help2man, which makes the manual page of it.
constexpr const char* kUsage =
    "Usage: primorator [OPTION]...\n"
    "Open the Primorator window: factor the integers 1 .. 2,147,483,646, list and\n"
    "count primes and prime pairs, and draw histograms of their prime factors.\n"
    "\n"
    "Type a start and an end number, choose what to compute and press Compute.\n"
    "The state of the window (fields, options and output) is kept in\n"
    "$XDG_DATA_HOME/Primorator/prmr.usr (~/.local/share/Primorator/prmr.usr) when\n"
    "the program ends, and restored when it starts. The same engine without a\n"
    "window is primorator-cli(1).\n"
    "\n"
    "Options:\n"
    "  -h, --help        show this text and exit\n"
    "  -V, --version     show the version and exit\n"
    "\n"
    "Qt's own options (for example -platform, -style) are understood too.\n";

}  // namespace

int main(int argc, char* argv[]) {
    // Answered without a window, so that they work where no display is.
    for (int i = 1; i < argc; ++i) {
        const bool help = std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0;
        if (help || std::strcmp(argv[i], "--version") == 0 || std::strcmp(argv[i], "-V") == 0) {
            const bool written =
                (help ? std::fputs(kUsage, stdout) >= 0
                      : std::printf("primorator %d.%d9\n", PRIMORATOR_VERSION_MAJOR,
                                    PRIMORATOR_VERSION_MINOR) >= 0) &&
                std::fflush(stdout) == 0;
            if (written) return 0;
            std::fprintf(stderr, "primorator: cannot write the output: %s\n", std::strerror(errno));
            return 1;
        }
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Primorator"));
    app::frmMain window;
    if (!window.Start()) return 1;
    return QApplication::exec();
}

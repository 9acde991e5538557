#include <QApplication>

#include "app/frmMain.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Primorator"));
    app::frmMain window;
    if (!window.Start()) return 1;
    return QApplication::exec();
}

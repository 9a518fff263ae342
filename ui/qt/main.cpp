#include <QApplication>

#include "ui/qt/FontSetup.h"
#include "ui/qt/FrmQuelta.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    installFontSubstitutions();
    FrmQuelta window;
    window.start();
    return QApplication::exec();
}

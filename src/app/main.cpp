#include "NutriFrom.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    TNutriFrom window;
    window.show();
    return QApplication::exec();
}

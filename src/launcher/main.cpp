#include "Cp1251.h"
#include "TLauncherForm.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    try {
        TLauncherForm form;
        form.show();
        app.exec();
    } catch (const std::exception &e) {
        QMessageBox::critical(nullptr, QCoreApplication::applicationName(), FromCp1251(e.what()));
    }
    return 0;
}

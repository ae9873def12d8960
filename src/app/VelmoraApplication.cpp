#include "VelmoraApplication.h"

#include "Cp1251.h"
#include "Dialogs.h"

VelmoraApplication::VelmoraApplication(int &argc, char **argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Velmora"));
}

bool VelmoraApplication::notify(QObject *receiver, QEvent *event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &failure) {
        ShowFailure(failure);
    } catch (...) {
        ShowUnknownFailure();
    }
    return false;
}

void VelmoraApplication::ShowFailure(const std::exception &failure) {
    Dialogs::Error(QApplication::activeWindow(), FromCp1251(failure.what()));
}

void VelmoraApplication::ShowUnknownFailure() {
    Dialogs::Error(QApplication::activeWindow(), QStringLiteral("Неизвестная ошибка"));
}

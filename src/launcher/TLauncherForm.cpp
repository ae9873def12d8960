#include "TLauncherForm.h"

#include "Cp1251.h"
#include "TAppConfig.h"
#include "TUpdater.h"
#include "Utils.h"

#include <QCoreApplication>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QLabel>
#include <QMetaObject>
#include <QScreen>
#include <QShowEvent>

#include <exception>

TLauncherForm::TLauncherForm(const QString &appDir, QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), AppDir(appDir) {
    if (AppDir.isEmpty())
        AppDir = QCoreApplication::applicationDirPath();
    if (!AppDir.endsWith(QDir::separator()) && !AppDir.endsWith(u'/'))
        AppDir += u'/';

    setObjectName(QStringLiteral("LauncherForm"));
    setWindowTitle(QStringLiteral("Обновление приложения"));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    setFont(font);
    setFixedSize(394, 32);

    Label1 = new QLabel(
        QStringLiteral("Происходит обновление приложения. Это может занять несколько минут."),
        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(8, 8, 379, 13);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TLauncherForm::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    if (ShownOnce)
        return;
    ShownOnce = true;
    // The work runs from the event loop rather than inside the show event, so the window exists
    // on screen and its notice can be painted before the installer blocks the thread.
    QMetaObject::invokeMethod(this, &TLauncherForm::FormShow, Qt::QueuedConnection);
}

void TLauncherForm::PaintNotice() {
    if (!isVisible())
        return;
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TLauncherForm::FormShow() {
    PaintNotice();
    TAppConfig::Instance().Init(ToCp1251(AppDir));

    // Whatever goes wrong while installing, the user still gets the main program: the failure is
    // only recorded in the log.
    try {
        TUpdater updater(true);
        updater.Run();
    } catch (const std::exception &e) {
        WriteLog(2, e.what());
    } catch (...) {
        WriteLog(2, ToCp1251(QStringLiteral("Непредвиденная ошибка установки обновления")));
    }

    try {
        // A bare program name is found in the launcher's own directory first (StartProcess);
        // when nothing can be started the launcher simply ends.
        StartProcess(TAppConfig::Instance().ReadString("ExeName", "0", false));
    } catch (const std::exception &e) {
        WriteLog(2, e.what());
    }
    close();
}

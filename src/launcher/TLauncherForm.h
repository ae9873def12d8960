#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QShowEvent;

// The launcher's only window: a one-line notice shown while pending update packages are installed,
// after which the main program is started and the window (and with it the launcher) closes.
class TLauncherForm : public QWidget {
    Q_OBJECT
public:
    // appDir is the directory the launcher works in, with a trailing separator; empty means the
    // directory of the running executable.
    explicit TLauncherForm(const QString &appDir = QString(), QWidget *parent = nullptr);

    // The launcher's whole work: install the packages meant for it, start the main program, close.
    void FormShow();

    QLabel *Label1;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void PaintNotice();

    QString AppDir;
    bool ShownOnce = false;
};

#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

// Fails the running test instead of letting it hang when a modal window opens that the test did
// not announce: the window is recorded as a failure and closed. A test that means to open one
// names its object name with Expect().
class ModalWatchdog : public QObject {
    Q_OBJECT
public:
    ModalWatchdog();
    void Expect(const QString &objectName) { expected_ = objectName; }

private:
    void Check();

    QTimer timer_;
    QString expected_;
};

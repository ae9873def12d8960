#pragma once

#include <QApplication>

#include <exception>

// The application object of the main program. A failure that escapes an event handler is shown
// in an error box and the message loop goes on, instead of ending the program mid-calculation.
class VelmoraApplication : public QApplication {
    Q_OBJECT
public:
    VelmoraApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    // Shows a failure in the program's error box. The program's own failures carry their
    // message as code page 1251 text.
    static void ShowFailure(const std::exception &failure);
    static void ShowUnknownFailure();
};

#include "ModalWatchdog.h"

#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>

ModalWatchdog::ModalWatchdog() {
    connect(&timer_, &QTimer::timeout, this, &ModalWatchdog::Check);
    timer_.start(50);
}

void ModalWatchdog::Check() {
    QWidget *modal = QApplication::activeModalWidget();
    if (modal == nullptr || (!expected_.isEmpty() && modal->objectName() == expected_))
        return;
    ADD_FAILURE() << "unexpected modal window \"" << modal->windowTitle().toStdString() << "\" ("
                  << modal->metaObject()->className() << ")";
    modal->close();
}

#pragma once

#include "Dialogs.h"
#include "ModalWatchdog.h"
#include "NutriFrom.h"

#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <utility>

// A fresh main window per test, shown offscreen with a comma as the user's decimal separator,
// message boxes recorded instead of shown, and the application directory in a temporary folder.
class GuiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    TNutriFrom &Window() { return *window_; }
    QLineEdit *Edit(const char *name) const;
    QString Text(const char *name) const;

    // Puts the focus into the field and types the text key by key.
    void Type(const char *name, const QString &text);
    // Selects the field's whole text and types over it.
    void Retype(const char *name, const QString &text);
    // Selects the field's whole text and deletes it with Backspace.
    void Erase(const char *name);
    // Chooses a feed the way a user does, with the arrow keys on the closed list.
    void ChooseFeed(int index);
    // Moves the focus on with Tab and lets queued handling run.
    void Leave(const char *name);

    // Messages shown since the last call; the test must take every message it causes.
    QList<Dialogs::Shown> Messages() { return Dialogs::TakeShown(); }
    // Every listed field shows exactly the given text; reports all mismatches at once.
    void ExpectFields(std::initializer_list<std::pair<const char *, const char *>> expected);

    ModalWatchdog watchdog_;

private:
    QTemporaryDir appDir_;
    std::unique_ptr<TNutriFrom> window_;
};

inline constexpr const char *TooHigh = "Введено слишком большое значение";
inline constexpr const char *TooLow = "Введено слишком маленькое значение";

#pragma once

#include <QList>
#include <QString>

class QWidget;

// Every message box of the program goes through here. In a scripted run (tests, benchmarks) no
// window is opened: each box is recorded and questions take their answer from a queue, so a test
// can both pre-answer a question and check which messages the user would have seen.
class Dialogs {
public:
    enum class Kind { Message, Error, Question };

    struct Shown {
        Kind kind;
        QString caption;
        QString text;
    };

    // A plain message with an OK button, captioned with the application's title.
    static void Message(QWidget *parent, const QString &text);
    // An error message with an OK button, captioned "Ошибка".
    static void Error(QWidget *parent, const QString &text);
    // A yes/no question; true for yes.
    static bool Question(QWidget *parent, const QString &caption, const QString &text);

    static void SetScripted(bool scripted);
    static bool IsScripted();
    static void QueueAnswer(bool yes);
    // The boxes recorded since the last call, oldest first.
    static QList<Shown> TakeShown();
    // Questions asked in a scripted run with no answer queued (answered "no").
    static int UnansweredQuestions();
};

#pragma once

#include <QList>
#include <QString>

class QWidget;

// Every message box and file dialog of the program goes through here. In a scripted run (tests,
// benchmarks) no window is opened: each box is recorded, and questions and file dialogs take their
// answer from a queue, so a test can both pre-answer them and check which messages the user would
// have seen.
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
    // A dialog that asks where to save a file; the chosen path, or empty when the user cancelled.
    // `filter` is a name filter such as "PDF (*.pdf)"; a name typed without a suffix gets
    // `defaultSuffix`.
    static QString SaveFileName(QWidget *parent, const QString &caption, const QString &filter,
                                const QString &defaultSuffix, const QString &suggestedName);

    static void SetScripted(bool scripted);
    static bool IsScripted();
    static void QueueAnswer(bool yes);
    // The path the next file dialog returns in a scripted run; an empty path cancels it.
    static void QueueFileName(const QString &path);
    // The boxes recorded since the last call, oldest first.
    static QList<Shown> TakeShown();
    // Questions and file dialogs in a scripted run with no answer queued (answered "no", or
    // cancelled).
    static int UnansweredQuestions();
};

#include "Dialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace {

struct ScriptState {
    bool scripted = false;
    QList<bool> answers;
    QList<QString> fileNames;
    QList<Dialogs::Shown> shown;
    int unanswered = 0;
};

ScriptState &Script() {
    static ScriptState state;
    return state;
}

QString ApplicationTitle() {
    QString title = QCoreApplication::applicationName();
    return title.isEmpty() ? QStringLiteral("Velmora") : title;
}

} // namespace

void Dialogs::Message(QWidget *parent, const QString &text) {
    if (Script().scripted) {
        Script().shown.append({Kind::Message, ApplicationTitle(), text});
        return;
    }
    QMessageBox::information(parent, ApplicationTitle(), text);
}

void Dialogs::Error(QWidget *parent, const QString &text) {
    const QString caption = QStringLiteral("Ошибка");
    if (Script().scripted) {
        Script().shown.append({Kind::Error, caption, text});
        return;
    }
    QMessageBox::critical(parent, caption, text);
}

bool Dialogs::Question(QWidget *parent, const QString &caption, const QString &text) {
    if (Script().scripted) {
        Script().shown.append({Kind::Question, caption, text});
        if (Script().answers.isEmpty()) {
            ++Script().unanswered;
            return false;
        }
        return Script().answers.takeFirst();
    }
    return QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

QString Dialogs::SaveFileName(QWidget *parent, const QString &caption, const QString &filter,
                              const QString &defaultSuffix, const QString &suggestedName) {
    if (Script().scripted) {
        if (Script().fileNames.isEmpty()) {
            ++Script().unanswered;
            return QString();
        }
        return Script().fileNames.takeFirst();
    }
    QFileDialog dialog(parent, caption);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.selectFile(suggestedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

void Dialogs::SetScripted(bool scripted) {
    Script() = ScriptState{};
    Script().scripted = scripted;
}

bool Dialogs::IsScripted() {
    return Script().scripted;
}

void Dialogs::QueueAnswer(bool yes) {
    Script().answers.append(yes);
}

void Dialogs::QueueFileName(const QString &path) {
    Script().fileNames.append(path);
}

QList<Dialogs::Shown> Dialogs::TakeShown() {
    QList<Shown> shown;
    shown.swap(Script().shown);
    return shown;
}

int Dialogs::UnansweredQuestions() {
    return Script().unanswered;
}

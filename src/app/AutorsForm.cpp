#include "AutorsForm.h"

#include <QFont>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

// No postal address or telephone number is given here on purpose: a made-up contact in a
// clinical program would send a doctor to the wrong place. Support runs through the program's own
// exchange with the support server.
const char *const CreditsHtml =
    R"(<p align="center"><b>Клиническое питание новорожденных</b><br>версия 1.1</p>
<p><b>Разработка:</b><br>группа разработчиков программы Velmora</p>
<p><b>Медицинские консультанты:</b><br>врачи отделений реанимации и интенсивной терапии новорожденных</p>
<p><b>Поддержка:</b><br>сообщения, обновления и отчеты об ошибках передаются через панель состояния
программы</p>
<p>Программа предназначена для врачей. Расчет проверяет врач, назначающий питание.
Все права защищены.</p>)";

} // namespace

TAutorsForm::TAutorsForm(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AutorsForm"));
    setWindowTitle(QStringLiteral("Авторы"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setModal(true);
    setFixedSize(442, 325);
    // Centred on the screen, wherever the main window was moved to.
    if (const QScreen *screen =
            parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(16);
    setFont(font);

    RichEdit1 = new QTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setReadOnly(true);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setHtml(QString::fromUtf8(CreditsHtml));

    Button1 = new QPushButton(QStringLiteral("Закрыть"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    connect(Button1, &QPushButton::clicked, this, &TAutorsForm::Button1Click);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(RichEdit1);
    layout->addLayout(buttons);
}

void TAutorsForm::Button1Click() {
    done(QDialog::Accepted);
}

// The dialog closes with "Закрыть" or the close box only; Escape is no third way out.
void TAutorsForm::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

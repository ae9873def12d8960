#include "PrintForm.h"

#include "PrintSelection.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

using namespace velmora;

namespace {

QFont BoldOf(QFont font) {
    font.setBold(true);
    return font;
}

} // namespace

TPrintForm::TPrintForm(QWidget *parent) : QDialog(parent) {
    setObjectName("PrintForm");
    setWindowTitle(QStringLiteral("Выбор частей протокола для печати"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(16);
    setFont(font);
    // 444 x 273 outside, less a dialog frame of 4 pixels and a caption of 23.
    setFixedSize(436, 246);

    Label1 = new QLabel(QStringLiteral("Печатать следующие разделы протокола :"), this);
    Label1->setObjectName("Label1");
    Label1->setFont(BoldOf(font));
    Label1->move(40, 24);
    Label1->adjustSize();

    auto makeBox = [this](const char *name, const QString &caption, int y, int width) {
        auto *box = new QCheckBox(caption, this);
        box->setObjectName(name);
        box->setGeometry(40, y, width, 17);
        return box;
    };
    ParDataCbx =
        makeBox("ParDataCbx", QStringLiteral("Параметры парентерального питания"), 56, 313);
    ParProgCbx = makeBox("ParProgCbx", QStringLiteral("Программа ПП и параметры инфузии"), 88, 321);
    EntDataCbx = makeBox("EntDataCbx", QStringLiteral("Параметры энтерального питания"), 120, 321);
    BalanceDataCbx = makeBox(
        "BalanceDataCbx", QStringLiteral("Общий баланс нутриентов, энергии и жидкости"), 152, 361);

    ResumeBtn = new QPushButton(QStringLiteral("Отменить"), this);
    ResumeBtn->setObjectName("ResumeBtn");
    ResumeBtn->setGeometry(40, 192, 89, 33);
    ResumeBtn->setFont(BoldOf(font));
    ResumeBtn->setAutoDefault(false);
    PrintBtn = new QPushButton(QStringLiteral("Распечатать"), this);
    PrintBtn->setObjectName("PrintBtn");
    PrintBtn->setGeometry(296, 192, 105, 33);
    PrintBtn->setFont(BoldOf(font));
    PrintBtn->setAutoDefault(false);

    setTabOrder(ParDataCbx, ParProgCbx);
    setTabOrder(ParProgCbx, EntDataCbx);
    setTabOrder(EntDataCbx, BalanceDataCbx);
    setTabOrder(BalanceDataCbx, PrintBtn);
    setTabOrder(PrintBtn, ResumeBtn);

    connect(ParDataCbx, &QCheckBox::clicked, this, &TPrintForm::ParDataCbxClick);
    connect(ParProgCbx, &QCheckBox::clicked, this, &TPrintForm::ParProgCbxClick);
    connect(EntDataCbx, &QCheckBox::clicked, this, &TPrintForm::EntDataCbxClick);
    connect(BalanceDataCbx, &QCheckBox::clicked, this, &TPrintForm::BalanceDataCbxClick);
    connect(PrintBtn, &QPushButton::clicked, this, &TPrintForm::PrintBtnClick);
    connect(ResumeBtn, &QPushButton::clicked, this, &TPrintForm::ResumeBtnClick);

    FormCreate();
}

void TPrintForm::FormCreate() {
    ResetPrintSelection();
    for (QCheckBox *box : {ParDataCbx, ParProgCbx, EntDataCbx, BalanceDataCbx})
        box->setChecked(true);
}

void TPrintForm::FormActivate() {
    FormCreate();
}

void TPrintForm::ParDataCbxClick() {
    PrintSectionParData = ParDataCbx->isChecked();
}
void TPrintForm::ParProgCbxClick() {
    PrintSectionParProg = ParProgCbx->isChecked();
}
void TPrintForm::EntDataCbxClick() {
    PrintSectionEntData = EntDataCbx->isChecked();
}
void TPrintForm::BalanceDataCbxClick() {
    PrintSectionBalance = BalanceDataCbx->isChecked();
}

void TPrintForm::PrintBtnClick() {
    PrintConfirmed = true;
    accept();
}

void TPrintForm::ResumeBtnClick() {
    PrintConfirmed = false;
    reject();
}

void TPrintForm::showEvent(QShowEvent *event) {
    FormActivate();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

void TPrintForm::keyPressEvent(QKeyEvent *event) {
    // Esc would otherwise close the dialog like the close box, which counts as confirmation;
    // a user pressing Esc means "do not print".
    if (event->key() == Qt::Key_Escape) {
        ResumeBtnClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

// Lets the user tick the parts of the protocol to print. Created once and kept for the run;
// every time it opens, all parts are ticked again and printing counts as confirmed, so only
// "Отменить" (or Esc) stops the print command. The close box confirms, as it always has.
class TPrintForm : public QDialog {
    Q_OBJECT
public:
    explicit TPrintForm(QWidget *parent = nullptr);

    QLabel *Label1;
    QCheckBox *ParDataCbx;
    QCheckBox *ParProgCbx;
    QCheckBox *EntDataCbx;
    QCheckBox *BalanceDataCbx;
    QPushButton *ResumeBtn;
    QPushButton *PrintBtn;

    void FormCreate();
    void FormActivate();
    void ParDataCbxClick();
    void ParProgCbxClick();
    void EntDataCbxClick();
    void BalanceDataCbxClick();
    void PrintBtnClick();
    void ResumeBtnClick();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

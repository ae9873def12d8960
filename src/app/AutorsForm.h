#pragma once

#include <QDialog>

class QKeyEvent;
class QPushButton;
class QTextEdit;

// The credits window behind "Авторы": read-only text and a "Закрыть" button.
class TAutorsForm : public QDialog {
    Q_OBJECT
public:
    explicit TAutorsForm(QWidget *parent = nullptr);

    QTextEdit *RichEdit1 = nullptr;
    QPushButton *Button1 = nullptr;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    void Button1Click();
};

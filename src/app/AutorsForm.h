#pragma once

#include <QDialog>

class QPushButton;
class QTextEdit;

// The credits window behind "Авторы": read-only text and a "Закрыть" button.
class TAutorsForm : public QDialog {
    Q_OBJECT
public:
    explicit TAutorsForm(QWidget *parent = nullptr);

    QTextEdit *RichEdit1 = nullptr;
    QPushButton *Button1 = nullptr;

private slots:
    void Button1Click();
};

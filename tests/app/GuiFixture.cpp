#include "GuiFixture.h"

#include "AppDirectory.h"
#include "DecimalSeparator.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

void GuiTest::SetUp() {
    ASSERT_TRUE(appDir_.isValid());
    SetApplicationDirectory(appDir_.path());
    Dialogs::SetScripted(true);
    OverrideSystemDecimalSeparator(QLatin1Char(','));
    window_ = std::make_unique<TNutriFrom>();
    window_->show();
    QApplication::setActiveWindow(window_.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
}

void GuiTest::TearDown() {
    for (const Dialogs::Shown &shown : Dialogs::TakeShown())
        ADD_FAILURE() << "message not checked by the test: " << shown.text.toStdString();
    window_.reset();
    OverrideSystemDecimalSeparator(QChar());
    SetApplicationDirectory(QString());
    Dialogs::SetScripted(false);
}

QLineEdit *GuiTest::Edit(const char *name) const {
    QLineEdit *edit = window_->Field(QString::fromLatin1(name));
    EXPECT_NE(edit, nullptr) << name;
    return edit;
}

QString GuiTest::Text(const char *name) const {
    QLineEdit *edit = Edit(name);
    return edit ? edit->text() : QStringLiteral("<missing>");
}

void GuiTest::Type(const char *name, const QString &text) {
    QLineEdit *edit = Edit(name);
    ASSERT_NE(edit, nullptr);
    edit->setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
    QTest::keyClicks(edit, text);
}

void GuiTest::Retype(const char *name, const QString &text) {
    QLineEdit *edit = Edit(name);
    ASSERT_NE(edit, nullptr);
    edit->setFocus(Qt::MouseFocusReason);
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

void GuiTest::Erase(const char *name) {
    QLineEdit *edit = Edit(name);
    ASSERT_NE(edit, nullptr);
    edit->setFocus(Qt::MouseFocusReason);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
}

void GuiTest::ChooseFeed(int index) {
    QComboBox *list = window_->EnteralPreparatCbx;
    list->setFocus(Qt::MouseFocusReason);
    if (list->currentIndex() < 0)
        QTest::keyClick(list, Qt::Key_Down);
    while (list->currentIndex() < index)
        QTest::keyClick(list, Qt::Key_Down);
    while (list->currentIndex() > index)
        QTest::keyClick(list, Qt::Key_Up);
}

void GuiTest::Leave(const char *name) {
    QLineEdit *edit = Edit(name);
    ASSERT_NE(edit, nullptr);
    ASSERT_TRUE(edit->hasFocus()) << name;
    QTest::keyClick(edit, Qt::Key_Tab);
    QCoreApplication::processEvents();
}

void GuiTest::ExpectFields(std::initializer_list<std::pair<const char *, const char *>> expected) {
    for (const auto &[name, text] : expected)
        EXPECT_EQ(Text(name).toStdString(), std::string(text)) << "field " << name;
}

#include "GuiFixture.h"

#include "AutorsForm.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

namespace {

using velmora::Display;

TEST_F(GuiTest, StartsOnTheNeedsTabWithTheCaretInTheWeightAndEveryFieldEmpty) {
    EXPECT_EQ(Window().windowTitle(), QStringLiteral("Клиническое питание новорожденных ver1.1"));
    EXPECT_EQ(Window().size(), QSize(688, 609));
    EXPECT_EQ(Window().minimumSize(), Window().maximumSize());
    EXPECT_FALSE(Window().windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(Window().font().family(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(Window().font().pixelSize(), 16);

    EXPECT_EQ(Window().PageControl1->currentIndex(), 0);
    EXPECT_EQ(QApplication::focusWidget(), Window().e_MT);
    for (QLineEdit *edit : Window().findChildren<QLineEdit *>()) {
        if (edit->parent() != Window().EnteralPreparatCbx) {
            EXPECT_TRUE(edit->text().isEmpty()) << edit->objectName().toStdString();
        }
    }
    EXPECT_EQ(Window().EnteralPreparatCbx->currentIndex(), -1);
}

TEST_F(GuiTest, TabsComeInPageOrderWithTheirCaptions) {
    const std::pair<const char *, const char *> tabs[] = {
        {"TabSheet5", "Потребности"},     {"TabSheet3", "Энтер. питание"},
        {"TabSheet1", "Парент. питание"}, {"TabSheet2", "Программа ПП на 24 часа"},
        {"TabSheet4", "Общий баланс"},
    };
    QTabWidget *pages = Window().PageControl1;
    ASSERT_EQ(pages->count(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(pages->widget(i)->objectName(), QString::fromLatin1(tabs[i].first));
        EXPECT_EQ(pages->tabText(i), QString::fromUtf8(tabs[i].second));
    }
    EXPECT_EQ(Window().ClearBtn->text(), QStringLiteral("Новый расчет"));
    EXPECT_EQ(Window().AuthorButton->text(), QStringLiteral("Авторы"));
}

// Every field the engine writes exists under its name; the input fields are white edits the user
// types into, every other field is read-only on the information background.
TEST_F(GuiTest, EveryDisplayedFieldExistsAndOnlyInputsAreEditable) {
    for (Display display :
         {Display::Needs, Display::Parenteral, Display::ParenteralDoses, Display::Programme,
          Display::Enteral, Display::Balance, Display::AllInputs})
        for (const velmora::DisplayRow &row : Window().Model().Show(display))
            EXPECT_NE(Window().Field(QString::fromLatin1(row.control.data(), row.control.size())),
                      nullptr)
                << row.control;

    QSet<QString> inputs;
    for (const velmora::InputField &field : velmora::InputFields())
        inputs.insert(QString::fromLatin1(field.control.data(), field.control.size()));
    ASSERT_EQ(inputs.size(), 24);
    int calculated = 0;
    for (QLineEdit *edit : Window().findChildren<QLineEdit *>()) {
        if (edit->parent() == Window().EnteralPreparatCbx)
            continue;
        const bool input = inputs.contains(edit->objectName());
        EXPECT_EQ(edit->isReadOnly(), !input) << edit->objectName().toStdString();
        const QColor background = edit->palette().color(QPalette::Base);
        EXPECT_EQ(background == QColor(0xFF, 0xFF, 0xE1), !input)
            << edit->objectName().toStdString();
        calculated += input ? 0 : 1;
    }
    EXPECT_EQ(calculated, 89);
}

TEST_F(GuiTest, FeedListShowsTheSeventeenFeedsAndOnlyAUsersChoiceCountsAsChoosing) {
    QComboBox *list = Window().EnteralPreparatCbx;
    ASSERT_EQ(list->count(), 17);
    EXPECT_EQ(list->itemText(0), QStringLiteral("Грудное молоко переходное"));
    EXPECT_EQ(list->itemText(8), QStringLiteral("Similac Special Care"));
    EXPECT_EQ(list->itemText(16), QStringLiteral("Nutrilon Кисломолочный 1"));

    Type("e_MT", QStringLiteral("1,5"));
    Type("e_SumVolume_kg", QStringLiteral("150"));
    list->setCurrentIndex(1); // a program's selection is no choice of the user
    EXPECT_FALSE(Window().Model().EnteralFeeding.preparat.valid);
    EXPECT_EQ(Text("e_EntProtein_kg"), QString());
    list->setCurrentIndex(-1);
    list->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(list, QStringLiteral("Nutrilon")); // typed text chooses nothing
    EXPECT_EQ(list->currentIndex(), -1);
    EXPECT_FALSE(Window().Model().EnteralFeeding.preparat.valid);

    ChooseFeed(8);
    EXPECT_EQ(Window().Model().EnteralFeeding.preparat.name,
              std::string("Semilac Special Care")); // the catalogue's name, not the list's
    EXPECT_EQ(Text("e_EntProtein_kg"), QStringLiteral("3,30"));
}

TEST_F(GuiTest, AuthorsDialogIsModalAndClosesWithItsButton) {
    watchdog_.Expect(QStringLiteral("AutorsForm"));
    bool inspected = false;
    int result = -1;
    QTimer::singleShot(0, [&] {
        auto *form = qobject_cast<TAutorsForm *>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr);
        inspected = true;
        QObject::connect(form, &QDialog::finished, [&](int code) { result = code; });
        EXPECT_EQ(form->windowTitle(), QStringLiteral("Авторы"));
        EXPECT_EQ(form->size(), QSize(442, 325));
        // Centred on the screen (within a window frame), not on a main window moved aside.
        const QPoint offCentre =
            form->frameGeometry().center() - form->screen()->availableGeometry().center();
        EXPECT_LE(offCentre.manhattanLength(), 10) << offCentre.x() << "," << offCentre.y();
        EXPECT_EQ(form->windowModality(), Qt::ApplicationModal);
        EXPECT_EQ(form->parentWidget(), &Window());
        EXPECT_TRUE(form->RichEdit1->isReadOnly());
        EXPECT_FALSE(form->RichEdit1->toPlainText().isEmpty());
        EXPECT_EQ(form->Button1->text(), QStringLiteral("Закрыть"));
        QTest::keyClick(form, Qt::Key_Escape);
        EXPECT_TRUE(form->isVisible());
        QTest::mouseClick(form->Button1, Qt::LeftButton);
    });
    Window().move(Window().screen()->availableGeometry().topLeft());
    QTest::mouseClick(Window().AuthorButton, Qt::LeftButton);
    EXPECT_TRUE(inspected);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(Window().findChildren<TAutorsForm *>().isEmpty()); // destroyed on closing
    EXPECT_EQ(result, QDialog::Accepted);
}

} // namespace

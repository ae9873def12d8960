// The section selection dialog: ticks, flags and the ways of leaving it.

#include "PrintForm.h"
#include "PrintSelection.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace velmora;

namespace {

bool AllOn() {
    return PrintSectionParData && PrintSectionParProg && PrintSectionEntData &&
           PrintSectionBalance && PrintConfirmed;
}

TEST(PrintFormTest, UntickingLastsOnlyUntilTheDialogOpensAgain) {
    TPrintForm form;
    form.show();
    ASSERT_TRUE(AllOn());
    QTest::mouseClick(form.ParDataCbx, Qt::LeftButton, {}, QPoint(5, 8));
    QTest::mouseClick(form.BalanceDataCbx, Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_FALSE(PrintSectionParData);
    EXPECT_TRUE(PrintSectionParProg);
    EXPECT_TRUE(PrintSectionEntData);
    EXPECT_FALSE(PrintSectionBalance);
    const PrintSelection chosen = CurrentPrintSelection();
    EXPECT_FALSE(chosen.parData);
    EXPECT_FALSE(chosen.balance);

    form.PrintBtn->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(PrintConfirmed);
    EXPECT_FALSE(PrintSectionParData) << "the choice holds for the print run that follows";

    form.show();
    EXPECT_TRUE(AllOn());
    for (QCheckBox *box : {form.ParDataCbx, form.ParProgCbx, form.EntDataCbx, form.BalanceDataCbx})
        EXPECT_TRUE(box->isChecked()) << box->objectName().toStdString();
    form.hide();
}

TEST(PrintFormTest, OnlyCancelOrEscapeStopsThePrinting) {
    struct Case {
        const char *how;
        std::function<void(TPrintForm &)> leave;
        bool confirmed;
    };
    const Case cases[] = {
        {"Распечатать", [](TPrintForm &f) { f.PrintBtn->click(); }, true},
        {"Отменить", [](TPrintForm &f) { f.ResumeBtn->click(); }, false},
        {"close box", [](TPrintForm &f) { f.close(); }, true},
        {"Esc", [](TPrintForm &f) { QTest::keyClick(&f, Qt::Key_Escape); }, false},
    };
    TPrintForm form;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.how);
        form.show();
        c.leave(form);
        EXPECT_FALSE(form.isVisible());
        EXPECT_EQ(PrintConfirmed, c.confirmed);
    }
    ResetPrintSelection();
}

TEST(PrintFormTest, TabGoesThroughTheBoxesThenPrintThenCancel) {
    TPrintForm form;
    std::vector<QWidget *> order{form.ParDataCbx,     form.ParProgCbx, form.EntDataCbx,
                                 form.BalanceDataCbx, form.PrintBtn,   form.ResumeBtn};
    for (std::size_t i = 0; i + 1 < order.size(); ++i)
        EXPECT_EQ(order[i]->nextInFocusChain(), order[i + 1]) << i;
}

} // namespace

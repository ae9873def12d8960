// The print commands on the main window: the button, Ctrl+P, and the protocol saved as PDF
// after the section dialog, including a file that cannot be written.

#include "Dialogs.h"
#include "NutriFrom.h"
#include "PrintForm.h"
#include "PrintTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Answers the modal windows that a command opens, in order. Any other modal window fails the
// test and is closed, so that nothing hangs.
class ModalScript {
public:
    using Step = std::function<void(QWidget *)>;

    void Expect(const QString &objectName, Step step) { steps.push_back({objectName, step}); }

    // Runs `command`, which opens the modal windows, and returns once it is done.
    void Run(const std::function<void()> &command) {
        QTimer timer;
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [this] { Poll(); });
        timer.start();
        command();
        EXPECT_EQ(next, steps.size()) << "not every expected dialog opened";
    }

private:
    void Poll() {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal == answered)
            return;
        answered = modal;
        if (next >= steps.size() || modal->objectName() != steps[next].first) {
            ADD_FAILURE() << "unexpected dialog " << modal->objectName().toStdString();
            modal->close();
            return;
        }
        steps[next++].second(modal);
    }

    std::vector<std::pair<QString, Step>> steps;
    std::size_t next = 0;
    QWidget *answered = nullptr;
};

QString PdfText(const QString &pdf) {
    QProcess process;
    process.start(QString::fromLocal8Bit(PDFTOTEXT), {pdf, "-"});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

class PrintWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        Dialogs::SetScripted(true);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void TearDown() override { Dialogs::SetScripted(false); }

    QAction *Action(const char *name) { return window.findChild<QAction *>(name); }

    TNutriFrom window;
    QTemporaryDir dir;
    ModalScript script;
};

TEST_F(PrintWindowTest, PrintStandsBesideNewCalculationAndCtrlPOpensTheSectionDialog) {
    auto *print = window.findChild<QToolButton *>("PrintBtn");
    ASSERT_NE(print, nullptr);
    EXPECT_EQ(print->text(), "Печать...");
    EXPECT_NEAR(print->geometry().center().y(), window.ClearBtn->geometry().center().y(), 2);
    EXPECT_GT(print->x(), window.ClearBtn->x());
    EXPECT_LT(print->x(), window.AuthorButton->x());
    ASSERT_NE(Action("PrintAction"), nullptr);
    EXPECT_EQ(Action("PrintAction")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));

    // "Отменить" ends the command before the printer dialog.
    script.Expect("PrintForm", [this](QWidget *) { window.PrintForm->ResumeBtn->click(); });
    script.Run([this] {
        window.activateWindow();
        QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
    });
    EXPECT_TRUE(Dialogs::TakeShown().isEmpty());
}

TEST_F(PrintWindowTest, PrinterDialogOffersNoPageRangeAndCancellingItPrintsNothing) {
    bool offersPageRange = true;
    script.Expect("PrintForm", [this](QWidget *) { window.PrintForm->PrintBtn->click(); });
    script.Expect("PrintDialog", [&offersPageRange](QWidget *dialog) {
        offersPageRange =
            static_cast<QPrintDialog *>(dialog)->testOption(QAbstractPrintDialog::PrintPageRange);
        dialog->close();
    });
    script.Run([this] { window.PrintBtnClick(); });
    EXPECT_TRUE(Dialogs::TakeShown().isEmpty());
    // The command always prints the chosen sections whole; a page range typed into the dialog
    // would be ignored, so the dialog must not offer one.
    EXPECT_FALSE(offersPageRange);
}

TEST_F(PrintWindowTest, PreviewShowsOnePagePerChosenGroup) {
    EnterBalanceExample(window.Model());
    std::vector<int> pages;
    auto preview = [&pages](QWidget *dialog) {
        auto *widget = dialog->findChild<QPrintPreviewWidget *>();
        pages.push_back(widget != nullptr ? widget->pageCount() : -1);
        // What the preview's own printer dialog leaves behind when the user prints page 2 only.
        QPrinter *printer = static_cast<QPrintPreviewDialog *>(dialog)->printer();
        printer->setPrintRange(QPrinter::PageRange);
        printer->setFromTo(2, 2);
        dialog->close();
    };
    script.Expect("PrintForm", [this](QWidget *) {
        window.PrintForm->EntDataCbx->click();
        window.PrintForm->PrintBtn->click();
    });
    script.Expect("PrintPreviewDialog", preview);
    script.Expect("PrintForm", [this](QWidget *) { window.PrintForm->PrintBtn->click(); });
    script.Expect("PrintPreviewDialog", preview);
    script.Run([this] {
        Action("PreviewAction")->trigger();
        Action("PreviewAction")->trigger();
    });
    // Parenteral data, programme and balance; then all four groups, as the range chosen for
    // one print does not stay with the printer.
    EXPECT_EQ(pages, (std::vector<int>{3, 4}));
    EXPECT_TRUE(Dialogs::TakeShown().isEmpty());
}

TEST_F(PrintWindowTest, SavePdfWritesOnlyTheTickedSections) {
    if (QString(PDFTOTEXT).isEmpty())
        GTEST_SKIP() << "pdftotext not installed";
    EnterBalanceExample(window.Model());
    const QString pdf = dir.filePath("protocol.pdf");
    script.Expect("PrintForm", [this](QWidget *) {
        window.PrintForm->ParDataCbx->click();
        window.PrintForm->ParProgCbx->click();
        window.PrintForm->EntDataCbx->click();
        window.PrintForm->PrintBtn->click();
    });
    Dialogs::QueueFileName(pdf);
    script.Run([this] { Action("PdfAction")->trigger(); });

    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains("Общий баланс"));
    EXPECT_FALSE(text.contains("Парентеральное питание"));
    EXPECT_EQ(text.count('\f'), 1) << "one page";
    EXPECT_TRUE(Dialogs::TakeShown().isEmpty());
}

TEST_F(PrintWindowTest, FileThatCannotBeWrittenIsReportedAndTheWindowGoesOn) {
    const QString pdf = dir.filePath("missing/protocol.pdf");
    script.Expect("PrintForm", [this](QWidget *) { window.PrintForm->PrintBtn->click(); });
    Dialogs::QueueFileName(pdf);
    script.Run([this] { Action("PdfAction")->trigger(); });

    const auto shown = Dialogs::TakeShown();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].kind, Dialogs::Kind::Error);
    EXPECT_EQ(shown[0].caption, "Ошибка");
    EXPECT_TRUE(shown[0].text.startsWith("Печать прервана")) << shown[0].text.toStdString();
    EXPECT_FALSE(QFile::exists(pdf));

    // The calculator still answers.
    window.Field("e_MT")->setText("2");
    EXPECT_FLOAT_EQ(window.Model().BodyWeight.Value(), 2.0f);
}

} // namespace

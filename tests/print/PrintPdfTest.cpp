// The protocol as a PDF file through the QPainter canvas, read back with pdftotext.

#include "PrintCommand.h"
#include "PrintTestSupport.h"
#include "ProtocolPdf.h"
#include "QPainterCanvas.h"
#include "QPrinterJob.h"

#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace velmora;

namespace {

QString Run(const char *program, const QStringList &arguments) {
    QProcess process;
    process.start(QString::fromLocal8Bit(program), arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// One page's text with every run of blanks made a single blank, so that lines compare as words.
QString PageText(const QString &pdf, int page) {
    QString text = Run(
        PDFTOTEXT, {"-layout", "-f", QString::number(page), "-l", QString::number(page), pdf, "-"});
    return text.replace(QRegularExpression("[ \\t]+"), " ");
}

int PageCount(const QString &pdf) {
    const QRegularExpression pages("Pages:\\s+(\\d+)");
    return pages.match(Run(PDFINFO, {pdf})).captured(1).toInt();
}

class PrintPdfTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (QString(PDFTOTEXT).isEmpty() || QString(PDFINFO).isEmpty())
            GTEST_SKIP() << "poppler-utils (pdftotext, pdfinfo) not installed";
        ASSERT_TRUE(dir.isValid());
    }
    QTemporaryDir dir;
};

TEST_F(PrintPdfTest, BalanceExampleReadsBackPageByPageWithCommas) {
    NutritionModel model;
    EnterBalanceExample(model);
    const QString pdf = dir.filePath("protocol.pdf");
    ASSERT_EQ(SaveProtocolPdf(pdf, FixedContext(model, ','), PrintSelection{}), "");
    ASSERT_EQ(PageCount(pdf), 4);

    const QString expected[4][3] = {
        {"Парентеральное питание", "Доза аминокислот 3,00 г/кг/сутки 4,50 г/сутки",
         "Доза Са глюконат 10% 0,00 ммоль/кг/сутки 0,00 мл/сутки"},
        {"Программа парентерального питания на 24 часа", "ИТОГО: 77,40 мл/сутки",
         "Параметры инфузии"},
        {"Энтеральное питание", "Препарат Грудное молоко зрелое", "Число кормлений в сутки 6"},
        {"Общий баланс", "Количество белков 4,80 г/кг/сутки 7,20 г/сутки",
         "Энтеральный объем 225,00 мл/сутки"},
    };
    for (int page = 1; page <= 4; ++page) {
        const QString text = PageText(pdf, page);
        SCOPED_TRACE(text.toStdString());
        EXPECT_TRUE(text.contains("ПРОТОКОЛ РАСЧЕТА ИСКУССТВЕННОГО ПИТАНИЯ Дата: 9.1.2027"));
        EXPECT_TRUE(text.contains("Время: 9:5"));
        EXPECT_TRUE(text.contains("ВЕС НОВОРОЖДЕННОГО 1,50 кг"));
        for (const QString &line : expected[page - 1])
            EXPECT_TRUE(text.contains(line)) << line.toStdString();
        // No number went out with a point; "0.9%" in a caption is the caption's own.
        EXPECT_FALSE(text.contains(QRegularExpression("\\d\\.\\d\\d\\b")));
    }
}

// Qt leaves a page range chosen in a printer dialog (the preview's own one offers it) to the
// program: pages outside it must not come out, and the first chosen page opens the job.
TEST_F(PrintPdfTest, PageRangeOfThePrinterPrintsOnlyThosePages) {
    NutritionModel model;
    EnterBalanceExample(model);
    struct Case {
        int from, to;
        std::vector<QString> titles; // one per page that comes out
    };
    const QString par = "Парентеральное питание", prog = "Программа парентерального питания",
                  ent = "Энтеральное питание", bal = "Общий баланс";
    const Case cases[] = {
        {2, 3, {prog, ent}},
        {4, 4, {bal}},
        {1, 1, {par}},
        {3, 9, {ent, bal}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.from) + "-" + std::to_string(c.to));
        const QString pdf = dir.filePath(QString("range%1-%2.pdf").arg(c.from).arg(c.to));
        QPrinter printer(QPrinter::HighResolution);
        SetUpPdfPrinter(printer, pdf);
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(c.from, c.to);
        {
            QPrinterJob job(printer);
            ASSERT_EQ(RunPrintJob(job, FixedContext(model), PrintSelection{}), "");
        }
        ASSERT_EQ(PageCount(pdf), static_cast<int>(c.titles.size()));
        for (std::size_t page = 0; page < c.titles.size(); ++page) {
            const QString text = PageText(pdf, static_cast<int>(page) + 1);
            EXPECT_TRUE(text.contains("ПРОТОКОЛ РАСЧЕТА ИСКУССТВЕННОГО ПИТАНИЯ"));
            for (const QString &title : {par, prog, ent, bal})
                EXPECT_EQ(text.contains(title), title == c.titles[page])
                    << "page " << page + 1 << ": " << title.toStdString();
        }
    }
}

TEST_F(PrintPdfTest, UnwritableFileIsReportedAndLeavesNothingBehind) {
    const QString pdf = dir.filePath("missing/protocol.pdf");
    NutritionModel model;
    const std::string failure = SaveProtocolPdf(pdf, FixedContext(model), PrintSelection{});
    EXPECT_EQ(failure.rfind(T(u8"Печать прервана"), 0), 0u);
    EXPECT_FALSE(QFile::exists(pdf));
}

// The font is chosen by its character cell: 12 points, 100 pixels at 600 dpi.
TEST_F(PrintPdfTest, CanvasFontHasATwelvePointCell) {
    QPrinter printer(QPrinter::HighResolution);
    SetUpPdfPrinter(printer, dir.filePath("metrics.pdf"));
    QPainter painter(&printer);
    QPainterCanvas canvas(painter, &printer);
    canvas.SetFont("Arial", 204, -12);
    EXPECT_NEAR(canvas.TextHeight("A"), 100, 2);
    const std::string title = T(u8"ПРОТОКОЛ РАСЧЕТА");
    const int plain = canvas.TextWidth(title);
    canvas.SetStyle(true, false);
    EXPECT_GT(canvas.TextWidth(title), plain) << "bold is measured in bold";
    EXPECT_GT(canvas.PageHeight(), 6000) << "A4 at 600 dpi";
    painter.end();
}

} // namespace

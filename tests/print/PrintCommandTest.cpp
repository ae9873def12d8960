// The print command: which sections land on which pages, the cancel paths, failures mid-job,
// and the page break that keeps long sections from running off the paper.

#include "PrintCommand.h"
#include "PrintParData.h"
#include "PrintTestSupport.h"
#include "RecordingCanvas.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

using namespace velmora;

namespace {

const std::string Header = T(u8"ПРОТОКОЛ РАСЧЕТА ИСКУССТВЕННОГО ПИТАНИЯ");
const std::string ParTitle = T(u8"Парентеральное питание");
const std::string ProgTitle = T(u8"Программа парентерального питания на 24 часа");
const std::string InfTitle = T(u8"Параметры инфузии");
const std::string EntTitle = T(u8"Энтеральное питание");
const std::string BalTitle = T(u8"Общий баланс");

// The section titles on each page, top to bottom, and where every page's header stands.
std::map<int, std::vector<std::string>> TitlesByPage(const RecordingCanvas &canvas) {
    std::map<int, std::vector<std::string>> pages;
    for (const auto &text : canvas.texts) {
        for (const std::string *title : {&ParTitle, &ProgTitle, &InfTitle, &EntTitle, &BalTitle})
            if (text.text == *title && text.bold && text.underline)
                pages[text.page].push_back(text.text);
    }
    return pages;
}

class PrintCommandTest : public ::testing::Test {
protected:
    void SetUp() override { EnterBalanceExample(model); }
    NutritionModel model;
    PrintContext context = FixedContext(model);
};

TEST_F(PrintCommandTest, EachChosenGroupGetsItsOwnPageInTheFixedOrder) {
    struct Case {
        const char *name;
        PrintSelection selection;
        std::map<int, std::vector<std::string>> pages;
    };
    const Case cases[] = {
        {"only the balance", {false, false, false, true}, {{0, {BalTitle}}}},
        {"parenteral and enteral data",
         {true, false, true, false},
         {{0, {ParTitle}}, {1, {EntTitle}}}},
        {"programme alone", {false, true, false, false}, {{0, {ProgTitle, InfTitle}}}},
        {"everything",
         {true, true, true, true},
         {{0, {ParTitle}}, {1, {ProgTitle, InfTitle}}, {2, {EntTitle}}, {3, {BalTitle}}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        RecordingJob job;
        EXPECT_EQ(RunPrintJob(job, context, c.selection), "");
        EXPECT_EQ(job.steps, (std::vector<std::string>{"begin", "end"}));
        EXPECT_EQ(TitlesByPage(job.canvas), c.pages);
        EXPECT_EQ(job.canvas.page + 1, static_cast<int>(c.pages.size())) << "no blank page";
        // Every page opens with the header at the top, the infusion parameters excepted.
        for (const auto &[page, titles] : c.pages) {
            int headers = 0;
            for (const auto &text : job.canvas.texts)
                if (text.page == page && text.text == Header) {
                    EXPECT_EQ(text.y, PageTopY);
                    ++headers;
                }
            EXPECT_EQ(headers, 1) << "page " << page;
        }
    }
}

TEST_F(PrintCommandTest, NothingTickedGivesAnEmptyJob) {
    RecordingJob job;
    EXPECT_EQ(RunPrintJob(job, context, {false, false, false, false}), "");
    EXPECT_EQ(job.steps, (std::vector<std::string>{"begin", "end"}));
    EXPECT_TRUE(job.canvas.texts.empty());
    EXPECT_EQ(job.canvas.page, 0);
}

// A window that answers the two dialogs as told and keeps what the command did.
class ScriptedHost : public PrintCommandHost {
public:
    bool confirmSections = true;
    bool choosePrinter = true;
    std::function<void(RecordingJob &)> prepareJob;
    RecordingJob *job = nullptr;
    int devicesAsked = 0;
    std::vector<std::string> errors;

    bool ChooseSections() override { return confirmSections; }
    std::unique_ptr<PrintJob> ChooseDevice() override {
        ++devicesAsked;
        if (!choosePrinter)
            return nullptr;
        auto made = std::make_unique<RecordingJob>();
        if (prepareJob)
            prepareJob(*made);
        job = made.get();
        jobs.push_back(std::move(made));
        return std::make_unique<JobRef>(*job);
    }
    void ShowError(const std::string &message) override { errors.push_back(message); }

private:
    // The command owns the job it is handed; the host keeps the real one to inspect it.
    struct JobRef : PrintJob {
        explicit JobRef(RecordingJob &job) : job(job) {}
        Canvas &BeginDoc() override { return job.BeginDoc(); }
        void EndDoc() override { job.EndDoc(); }
        void Abort() noexcept override { job.Abort(); }
        RecordingJob &job;
    };
    std::vector<std::unique_ptr<RecordingJob>> jobs;
};

TEST_F(PrintCommandTest, CancellingEitherDialogStartsNoJob) {
    ScriptedHost cancelSelection;
    cancelSelection.confirmSections = false;
    RunPrintCommand(cancelSelection, context);
    EXPECT_EQ(cancelSelection.devicesAsked, 0) << "no printer dialog after Отменить";

    ScriptedHost cancelPrinter;
    cancelPrinter.choosePrinter = false;
    RunPrintCommand(cancelPrinter, context);
    EXPECT_EQ(cancelPrinter.devicesAsked, 1);
    EXPECT_EQ(cancelPrinter.job, nullptr);
    EXPECT_TRUE(cancelPrinter.errors.empty());
}

TEST_F(PrintCommandTest, ConfirmedCommandPrintsTheFlaggedSections) {
    ResetPrintSelection();
    PrintSectionParData = false;
    PrintSectionParProg = false;
    ScriptedHost host;
    RunPrintCommand(host, context);
    ResetPrintSelection();
    ASSERT_NE(host.job, nullptr);
    EXPECT_EQ(host.job->steps, (std::vector<std::string>{"begin", "end"}));
    EXPECT_EQ(TitlesByPage(host.job->canvas),
              (std::map<int, std::vector<std::string>>{{0, {EntTitle}}, {1, {BalTitle}}}));
    EXPECT_TRUE(host.errors.empty());
}

TEST_F(PrintCommandTest, DeviceFailureAbortsTheJobAndTellsTheUser) {
    struct Case {
        const char *name;
        std::function<void(RecordingJob &)> fault;
        std::vector<std::string> steps;
    };
    const Case cases[] = {
        {"printer refuses the job",
         [](RecordingJob &j) { j.failBegin = true; },
         {"begin", "abort"}},
        {"new page fails mid-job",
         [](RecordingJob &j) { j.canvas.failOnNewPage = true; },
         {"begin", "abort"}},
        {"spooler fails at the end",
         [](RecordingJob &j) { j.failEnd = true; },
         {"begin", "end", "abort"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedHost host;
        host.prepareJob = c.fault;
        RunPrintCommand(host, context);
        ASSERT_NE(host.job, nullptr);
        EXPECT_EQ(host.job->steps, c.steps);
        ASSERT_EQ(host.errors.size(), 1u);
        EXPECT_EQ(host.errors[0].rfind(T(u8"Печать прервана"), 0), 0u) << host.errors[0];
    }
}

// With a page too short for the section, the table continues on a new page under a fresh
// header: no line is drawn past the bottom edge and none is lost.
TEST_F(PrintCommandTest, LongSectionBreaksOntoANewPageWithHeader) {
    RecordingJob tall;
    RunPrintJob(tall, context, {true, false, false, false});
    ASSERT_EQ(tall.canvas.page, 0);

    RecordingJob shortPage;
    shortPage.canvas.pageHeight = 1000;
    EXPECT_EQ(RunPrintJob(shortPage, context, {true, false, false, false}), "");
    const RecordingCanvas &broken = shortPage.canvas;
    ASSERT_GE(broken.page, 1);
    for (const auto &text : broken.texts)
        EXPECT_LE(text.y + broken.charHeight, broken.pageHeight) << text.text;
    for (const auto &rule : broken.rules)
        EXPECT_LE(rule.y1, broken.pageHeight);

    // Apart from the repeated headers, the same texts in the same order.
    auto body = [](const RecordingCanvas &canvas) {
        std::vector<std::string> texts;
        bool inHeader = false;
        for (const auto &text : canvas.texts) {
            if (text.text == Header)
                inHeader = true;
            if (!inHeader)
                texts.push_back(text.text);
            if (text.text == T(u8"кг"))
                inHeader = false;
        }
        return texts;
    };
    EXPECT_EQ(body(broken), body(tall.canvas));
    for (int page = 0; page <= broken.page; ++page) {
        const auto header = std::find_if(broken.texts.begin(), broken.texts.end(), [&](auto &t) {
            return t.page == page && t.text == Header;
        });
        ASSERT_NE(header, broken.texts.end()) << "page " << page;
        EXPECT_EQ(header->y, PageTopY);
    }
    // The continuation goes on in the plain style of the table.
    const auto lastRow = std::find_if(broken.texts.rbegin(), broken.texts.rend(),
                                      [](auto &t) { return t.text == T(u8"Доза MgSO4 25%"); });
    ASSERT_NE(lastRow, broken.texts.rend());
    EXPECT_FALSE(lastRow->bold);
}

// At the real scale of an A4 page at 600 dpi (printable height about 6800 pixels, 12-point cells
// of 100 pixels) even the longest page, the programme with the infusion parameters, fits.
TEST_F(PrintCommandTest, AFullProtocolKeepsOneGroupPerPageOnA4) {
    RecordingJob job;
    job.canvas.charHeight = 100;
    job.canvas.pageHeight = 6800;
    EXPECT_EQ(RunPrintJob(job, context, {true, true, true, true}), "");
    EXPECT_EQ(job.canvas.page, 3);
    int lowest = 0;
    for (const auto &text : job.canvas.texts)
        lowest = std::max(lowest, text.y + job.canvas.charHeight);
    EXPECT_LE(lowest, 6800);
}

} // namespace

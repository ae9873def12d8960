// The page engine on a recording canvas with fixed font metrics: where each piece lands.

#include "PrintParData.h"
#include "PrintProcess.h"
#include "PrintTestSupport.h"
#include "RecordingCanvas.h"

#include <gtest/gtest.h>

using namespace velmora;

namespace {

constexpr int W = RecordingCanvas::PlainWidth;
constexpr int B = RecordingCanvas::BoldWidth;
constexpr int LineStep = 25; // 20 + 20 div 4

int Bold(const std::string &text) {
    return static_cast<int>(text.size()) * B;
}
int Plain(const std::string &text) {
    return static_cast<int>(text.size()) * W;
}

// A section whose table a test chooses: groups of rows of five columns.
class TableSection : public PrintProcess {
public:
    TableSection(Canvas &canvas, const PrintContext &context, std::vector<Row> table)
        : PrintProcess(canvas, context), table(std::move(table)) {}
    void FillRows() override {
        BeginRows(static_cast<int>(table.size()) - 1, 5);
        for (const Row &row : table)
            AddRow(row);
    }

private:
    std::vector<Row> table;
};

class PrintEngineTest : public ::testing::Test {
protected:
    void SetUp() override { PageY = PageTopY; }
    NutritionModel model;
    PrintContext context = FixedContext(model);
    RecordingCanvas canvas;
};

TEST_F(PrintEngineTest, ConstructionSelectsTheFontAndMeasuresIt) {
    canvas.charHeight = 22;
    TableSection section(canvas, context, {{}});
    EXPECT_EQ(canvas.fontName, "Arial");
    EXPECT_EQ(canvas.fontCharset, 204);
    EXPECT_EQ(canvas.fontSize, -12);
    EXPECT_EQ(section.CharWidth(), W);
    EXPECT_EQ(section.LineStep(), 22 + 5);
}

TEST_F(PrintEngineTest, HeaderPlacesTitleDateTimeAndWeight) {
    struct Case {
        const char *weight;
        std::string weightText;
    };
    for (const Case &c : {Case{"1,5", "1,50"}, Case{"", ""}}) {
        SCOPED_TRACE(c.weight);
        model.Edit("e_MT", c.weight, ',');
        RecordingCanvas page;
        PageY = PageTopY;
        PrintParData section(page, context);
        section.PrintHeader();

        const std::string title = T(u8"ПРОТОКОЛ РАСЧЕТА ИСКУССТВЕННОГО ПИТАНИЯ");
        const auto *titleText = page.Find(title);
        ASSERT_NE(titleText, nullptr);
        EXPECT_EQ(titleText->x, 300);
        EXPECT_EQ(titleText->y, 440);
        EXPECT_TRUE(titleText->bold && titleText->underline);

        // Date and time stand in one column, five characters right of the bold title.
        const int dateX = 300 + Bold(title) + 5 * W;
        const std::string date = T(u8"Дата:  "), time = T(u8"Время:  ");
        ASSERT_NE(page.Find(date), nullptr);
        EXPECT_EQ(page.Find(date)->x, dateX);
        EXPECT_EQ(page.Find(date)->y, 440);
        EXPECT_TRUE(page.Find(date)->bold);
        EXPECT_FALSE(page.Find(date)->underline);
        EXPECT_EQ(page.Find("9.1.2027")->x, dateX + Bold(date));
        EXPECT_EQ(page.Find(time)->x, dateX);
        EXPECT_EQ(page.Find(time)->y, 440 + LineStep);
        EXPECT_EQ(page.Find("9:5")->x, dateX + Bold(time));
        EXPECT_EQ(page.Find("9:5")->y, 440 + LineStep);

        const std::string caption = T(u8"ВЕС НОВОРОЖДЕННОГО");
        EXPECT_EQ(page.Find(caption)->x, 300);
        EXPECT_EQ(page.Find(caption)->y, 440 + 2 * LineStep);
        const int weightX = 300 + Bold(caption) + W;
        if (!c.weightText.empty()) {
            EXPECT_EQ(page.Find(c.weightText)->x, weightX);
        }
        // An absent weight draws nothing and leaves "кг" two character widths off the caption.
        EXPECT_EQ(page.Find(T(u8"кг"))->x, weightX + Bold(c.weightText) + W);
        EXPECT_EQ(page.Find(T(u8"кг"))->y, 440 + 2 * LineStep);
        EXPECT_EQ(PageY, 440 + 4 * LineStep);
        EXPECT_EQ(page.texts.size(), c.weightText.empty() ? 7u : 8u);
    }
}

TEST_F(PrintEngineTest, ColumnsFitTheirWidestCellAndNumbersFitNineNinetyNine) {
    TableSection section(canvas, context,
                         {{"Group"},
                          {"Long caption", "1", "g/kg", "123.45", "g"},
                          {"Short", "", "ml/kg/day", "", ""},
                          {}});
    section.FillRows();
    section.MeasureColumns();
    EXPECT_EQ(section.ColumnWidth(0), Plain("Long caption") + W);
    EXPECT_EQ(section.ColumnWidth(1), Plain("9.99") + W) << "short numbers still fit 9.99";
    EXPECT_EQ(section.ColumnWidth(2), Plain("ml/kg/day") + W);
    EXPECT_EQ(section.ColumnWidth(3), Plain("123.45") + W);
    EXPECT_EQ(section.ColumnWidth(4), Plain("g") + W) << "even columns have no minimum";
    int right = 300;
    for (int c = 0; c < 5; ++c)
        right += section.ColumnWidth(c);
    EXPECT_EQ(section.RightX(), right);

    // Rules run from the margin to the end of the last column, space included.
    section.PrintRule();
    ASSERT_EQ(canvas.rules.size(), 1u);
    EXPECT_EQ(canvas.rules[0].x1, 300);
    EXPECT_EQ(canvas.rules[0].x2, right);
    EXPECT_EQ(canvas.rules[0].y1, 440);
    EXPECT_EQ(canvas.rules[0].y2, 440);
    EXPECT_EQ(PageY, 440 + LineStep);
}

TEST_F(PrintEngineTest, ColumnHeadsStandOverBothValueColumnsBetweenRules) {
    TableSection section(canvas, context, {{"G"}, {"Caption", "1.00", "unit", "2.00", "u"}, {}});
    section.FillRows();
    section.MeasureColumns();
    section.PrintColumnHeads();
    const auto *perKg = canvas.Find(T(u8"на 1 кг веса ребенка"));
    const auto *perDay = canvas.Find(T(u8"на полный вес ребенка"));
    ASSERT_TRUE(perKg && perDay);
    EXPECT_EQ(perKg->x, 300 + section.ColumnWidth(0));
    EXPECT_EQ(perDay->x, perKg->x + section.ColumnWidth(1) + section.ColumnWidth(2));
    EXPECT_EQ(perKg->y, 440 + LineStep);
    EXPECT_TRUE(perKg->bold && perDay->bold);
    ASSERT_EQ(canvas.rules.size(), 2u);
    EXPECT_EQ(canvas.rules[0].y1, 440);
    EXPECT_EQ(canvas.rules[1].y1, 440 + 2 * LineStep);
    EXPECT_EQ(PageY, 440 + 4 * LineStep) << "an empty line follows the second rule";
    EXPECT_FALSE(canvas.bold);
}

TEST_F(PrintEngineTest, TableDrawsGroupsWithBoldCaptionsAndOneEmptyLineBetween) {
    TableSection section(canvas, context,
                         {{"First"},
                          {"a", "1.00", "u", "2.00", "v"},
                          {"b", "3.00", "u", "4.00", "v"},
                          {},
                          {"Second"},
                          {"c", "5.00", "u", "6.00", "v"},
                          {}});
    section.FillRows();
    section.MeasureColumns();
    section.PrintTable();

    const auto *first = canvas.Find("First");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->x, 300);
    EXPECT_EQ(first->y, 440);
    EXPECT_TRUE(first->bold);
    EXPECT_EQ(canvas.LineAt(0, 440 + LineStep),
              (std::vector<std::string>{"a", "1.00", "u", "2.00", "v"}));
    EXPECT_EQ(canvas.LineAt(0, 440 + 2 * LineStep),
              (std::vector<std::string>{"b", "3.00", "u", "4.00", "v"}));
    EXPECT_TRUE(canvas.LineAt(0, 440 + 3 * LineStep).empty()) << "the separator's empty line";
    EXPECT_EQ(canvas.Find("Second")->y, 440 + 4 * LineStep);
    EXPECT_TRUE(canvas.Find("Second")->bold);
    EXPECT_FALSE(canvas.Find("c")->bold);
    EXPECT_EQ(canvas.Find("c")->y, 440 + 5 * LineStep);
    EXPECT_EQ(PageY, 440 + 7 * LineStep);

    // Cells are left-aligned at their column's edge.
    const std::vector<std::string> cells{"c", "5.00", "u", "6.00", "v"};
    int x = 300;
    for (int c = 0; c < 5; ++c) {
        EXPECT_EQ(canvas.Find(cells[c])->x, x) << cells[c];
        x += section.ColumnWidth(c);
    }
}

TEST_F(PrintEngineTest, TitleGapIsOneAndAQuarterTextHeightsTruncated) {
    for (const auto &[height, gap] : {std::pair{20, 25}, std::pair{13, 16}, std::pair{22, 27}}) {
        RecordingCanvas page;
        page.charHeight = height;
        TableSection section(page, context, {{}});
        PageY = 441;
        section.SkipTitleGap();
        EXPECT_EQ(PageY, 441 + gap) << "height " << height;
    }
}

} // namespace

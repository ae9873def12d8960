#include "PrintProcess.h"

#include "DisplayText.h"
#include "NutritionModel.h"
#include "PrintFormat.h"
#include "PrintText.h"

#include <algorithm>
#include <utility>

namespace velmora {

int PageY = PageTopY;

namespace {

constexpr int CyrillicCharset = 204;
// A negative size selects the font by the height of its character cell: 12 points.
constexpr int FontSize = -12;

} // namespace

PrintProcess::PrintProcess(Canvas &canvas, const PrintContext &context)
    : canvas(&canvas), context(&context) {
    canvas.SetFont("Arial", CyrillicCharset, FontSize);
    charWidth = canvas.TextWidth("A");
    charHeight = canvas.TextHeight("A");
    lineStep = charHeight + charHeight / 4;
}

PrintProcess::~PrintProcess() = default;

void PrintProcess::BeginRows(int measuredRows, int columns) {
    rowCount = measuredRows;
    colCount = std::clamp(columns, 0, MaxColumns);
    rows.clear();
    rows.reserve(rowCount + 1);
}

void PrintProcess::AddRow(Row row) {
    row.resize(colCount);
    rows.push_back(std::move(row));
}

void PrintProcess::AddCaption(const std::string &caption) {
    AddRow({caption});
}

void PrintProcess::AddSeparator() {
    AddRow({});
}

void PrintProcess::AddEnergyGroup(const Element &carbohydrateEnergy, const Element &fatEnergy,
                                  const Energy &energy) {
    const std::string perKg = PrintText(u8"ккал/кг/сутки"), perDay = PrintText(u8"ккал/сутки");
    const std::string perGram = PrintText(u8"ккал/г АК/сутки");
    AddCaption(PrintText(u8"Энергообеспечение"));
    // The leading blanks indent the two sources under the caption on paper.
    AddRow({PrintText(u8"       углеводами"), Cell(carbohydrateEnergy.perKg), perKg,
            Cell(carbohydrateEnergy.perDay), perDay});
    AddRow({PrintText(u8"           жирами"), Cell(fatEnergy.perKg), perKg, Cell(fatEnergy.perDay),
            perDay});
    AddRow({PrintText(u8"Общее энергообеспечение"), Cell(energy.nonProtein.perKg), perKg,
            Cell(energy.nonProtein.perDay), perDay});
    // One value, non-protein kcal per gram of amino acids, stands in both value columns.
    AddRow({PrintText(u8"     на 1 г аминокислот"), Cell(energy.perGramProtein), perGram,
            Cell(energy.perGramProtein), perGram});
    AddRow({PrintText(u8"Полная энергия"), Cell(energy.total.perKg), perKg,
            Cell(energy.total.perDay), perDay});
    AddSeparator();
}

std::string PrintProcess::Cell(float value) const {
    return FormatCell(value, context->decimalSeparator);
}

std::string PrintProcess::Cell(const DataItem &item) const {
    return Cell(item.OrZero());
}

void PrintProcess::DrawText(int x, int y, const std::string &text) {
    if (!text.empty())
        canvas->TextOut(x, y, text);
}

void PrintProcess::MeasureColumns() {
    const int measured = std::min<int>(rowCount, rows.size());
    for (int c = 0; c < colCount; ++c) {
        colWidths[c] = 0;
        for (int r = 0; r < measured; ++r)
            colWidths[c] = std::max(colWidths[c], canvas->TextWidth(rows[r][c]));
    }
    // Numeric columns never get narrower than a two-decimal number with one integer digit.
    const int numberWidth = canvas->TextWidth("9.99");
    for (int c = 1; c < colCount; c += 2)
        colWidths[c] = std::max(colWidths[c], numberWidth);
    rightX = leftX;
    for (int c = 0; c < colCount; ++c) {
        colWidths[c] += charWidth;
        rightX += colWidths[c];
    }
}

void PrintProcess::PrintHeader() {
    const std::string title = PrintText(u8"ПРОТОКОЛ РАСЧЕТА ИСКУССТВЕННОГО ПИТАНИЯ");
    canvas->SetStyle(true, true);
    DrawText(leftX, PageY, title);
    curX = leftX + canvas->TextWidth(title) + 5 * charWidth;
    canvas->SetStyle(true, false);

    const std::string date = PrintText(u8"Дата:  ");
    DrawText(curX, PageY, date);
    const int dateWidth = canvas->TextWidth(date);
    DrawText(curX + dateWidth, PageY, context->dateText ? context->dateText() : DateText());

    PageY += lineStep;
    const std::string time = PrintText(u8"Время:  ");
    DrawText(curX, PageY, time);
    curX += canvas->TextWidth(time);
    DrawText(curX, PageY, context->timeText ? context->timeText() : TimeText());

    curX = leftX;
    PageY += lineStep;
    const std::string weightCaption = PrintText(u8"ВЕС НОВОРОЖДЕННОГО");
    DrawText(leftX, PageY, weightCaption);
    curX += canvas->TextWidth(weightCaption) + charWidth;
    const std::string weight =
        context->model ? FormatQuantity(Model().BodyWeight.Value(), context->decimalSeparator) : "";
    DrawText(curX, PageY, weight);
    curX += canvas->TextWidth(weight) + charWidth;
    DrawText(curX, PageY, PrintText(u8"кг"));

    curX = leftX;
    PageY += 2 * lineStep;
}

void PrintProcess::PrintTitle(const std::string &title) {
    KeepLinesOnPage(1);
    canvas->SetStyle(true, true);
    DrawText(curX, PageY, title);
    canvas->SetStyle(false, false);
    curX = leftX;
    PageY += lineStep;
}

void PrintProcess::PrintRule() {
    KeepLinesOnPage(1);
    canvas->Line(leftX, PageY, rightX, PageY);
    PageY += lineStep;
    curX = leftX;
}

void PrintProcess::PrintColumnHeads() {
    // Rule, headings and rule belong together; an empty line follows them.
    KeepLinesOnPage(3);
    PrintRule();
    curX = leftX + colWidths[0];
    canvas->SetStyle(true, false);
    DrawText(curX, PageY, PrintText(u8"на 1 кг веса ребенка"));
    curX += colWidths[1] + colWidths[2];
    DrawText(curX, PageY, PrintText(u8"на полный вес ребенка"));
    canvas->SetStyle(false, false);
    PageY += lineStep;
    PrintRule();
    curX = leftX;
    PageY += lineStep;
}

void PrintProcess::PrintTable() {
    const std::size_t end = rows.size();
    std::size_t i = 0;
    while (i < end) {
        // A caption alone at the foot of a page is useless: keep it with its first row.
        KeepLinesOnPage(2);
        canvas->SetStyle(true, false);
        DrawText(curX, PageY, rows[i][0]);
        canvas->SetStyle(false, false);
        do {
            ++i;
            curX = leftX;
            PageY += lineStep;
            if (i >= end)
                break;
            const Row &row = rows[i];
            if (!row[0].empty())
                KeepLinesOnPage(1);
            for (int c = 0; c < colCount; ++c) {
                DrawText(curX, PageY, row[c]);
                curX += colWidths[c];
            }
        } while (!rows[i][0].empty());
        ++i;
        curX = leftX;
        PageY += lineStep;
    }
    rows.clear();
}

void PrintProcess::SkipTitleGap() {
    PageY = static_cast<int>(PageY + 1.25 * canvas->TextHeight("A"));
}

void PrintProcess::KeepLinesOnPage(int lines) {
    const int bottom = PageY + (lines - 1) * lineStep + charHeight;
    if (bottom <= canvas->PageHeight())
        return;
    // On a page too short for even this after a fresh header, breaking again would only add
    // empty pages; draw where we are.
    const int firstBodyLine = PageTopY + 4 * lineStep;
    if (PageY <= firstBodyLine)
        return;
    StartContinuationPage();
}

void PrintProcess::StartContinuationPage() {
    canvas->NewPage();
    PageY = PageTopY;
    const int x = curX;
    PrintHeader();
    canvas->SetStyle(false, false);
    curX = x;
}

} // namespace velmora

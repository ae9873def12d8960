#pragma once

#include "Canvas.h"
#include "PrintContext.h"

#include <string>
#include <vector>

namespace velmora {

class DataItem;
class Element;
class Energy;
class NutritionModel;

// Vertical position of the next line on the current page, in device pixels. One print run
// shares it across all the sections it draws; the print command puts it at the top of each page.
extern int PageY;

// The first line of every page.
constexpr int PageTopY = 440;

// Base of the protocol sections: holds one section's table, measures its columns and draws the
// common parts of a protocol page (header, titles, rules, column headings, table) line by line.
class PrintProcess {
public:
    static constexpr int MaxColumns = 15;

    PrintProcess(Canvas &canvas, const PrintContext &context);
    virtual ~PrintProcess();
    PrintProcess(const PrintProcess &) = delete;
    PrintProcess &operator=(const PrintProcess &) = delete;

    virtual void FillRows() {}
    virtual void PrintExtra() {}

    void MeasureColumns();
    void PrintHeader();
    void PrintTitle(const std::string &title);
    void PrintRule();
    void PrintColumnHeads();
    void PrintTable();
    void SkipTitleGap();

    int ColumnWidth(int column) const { return colWidths[column]; }
    int RightX() const { return rightX; }
    int LineStep() const { return lineStep; }
    int CharWidth() const { return charWidth; }

protected:
    using Row = std::vector<std::string>;

    // Starts the section's table; rows are then added in order, groups closed by an empty row.
    void BeginRows(int measuredRows, int columns);
    void AddRow(Row row);
    // A group caption row: the caption in column 0, every other cell empty.
    void AddCaption(const std::string &caption);
    void AddSeparator();
    // The energy group shared by the parenteral, enteral and balance tables.
    void AddEnergyGroup(const Element &carbohydrateEnergy, const Element &fatEnergy,
                        const Energy &energy);

    const NutritionModel &Model() const { return *context->model; }
    std::string Cell(float value) const;
    std::string Cell(const DataItem &item) const;
    // Text output; an empty text draws nothing.
    void DrawText(int x, int y, const std::string &text);

    // Starts a new page (with the page header) when the next `lines` lines would not fit
    // below PageY. A protocol must never lose lines past the bottom edge of the paper.
    void KeepLinesOnPage(int lines);

    Canvas *canvas;
    const PrintContext *context;
    // rows[0 .. rowCount-1] are measured; rows[rowCount] is the final, all-empty separator.
    std::vector<Row> rows;
    int leftX = 300;
    int rightX = 300;
    int curX = 300;
    int charWidth = 0;
    int charHeight = 0;
    int lineStep = 0;
    int colWidths[MaxColumns] = {};
    int rowCount = 0;
    int colCount = 0;

private:
    void StartContinuationPage();
};

} // namespace velmora

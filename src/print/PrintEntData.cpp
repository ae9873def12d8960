#include "PrintEntData.h"

#include "NutritionModel.h"
#include "PrintFormat.h"
#include "PrintText.h"

namespace velmora {

void PrintEntData::FillRows() {
    const NutritionModel &m = Model();
    const EnteralFeed &feed = m.EnteralFeeding;
    const std::string mlPerKg = PrintText(u8"мл/кг/сутки"), mlPerDay = PrintText(u8"мл/сутки");
    const std::string gPerKg = PrintText(u8"г/кг/сутки"), gPerDay = PrintText(u8"г/сутки");
    auto row = [&](const char8_t *caption, const Element &element, const std::string &kgUnit,
                   const std::string &dayUnit) {
        AddRow({PrintText(caption), Cell(element.perKg), kgUnit, Cell(element.perDay), dayUnit});
    };

    BeginRows(15, 5);
    AddCaption(PrintText(u8"Энтеральные объемы"));
    row(u8"Энтеральный объем", feed.volume, mlPerKg, mlPerDay);
    row(u8"Энтеральный разовый объем", feed.feedVolume, mlPerKg, mlPerDay);
    AddSeparator();

    AddCaption(PrintText(u8"Масса сухого вещества"));
    row(u8"Количество белков", feed.protein.amount, gPerKg, gPerDay);
    row(u8"Количество жиров", feed.fat.amount, gPerKg, gPerDay);
    row(u8"Количество углеводов", feed.carbohydrate.amount, gPerKg, gPerDay);
    AddSeparator();

    AddEnergyGroup(feed.carbohydrate.energy, feed.fat.energy, m.EnteralEnergy);
}

void PrintEntData::PrintExtra() {
    const EnteralFeed &feed = Model().EnteralFeeding;
    KeepLinesOnPage(3);
    curX = leftX;
    PageY += lineStep;
    DrawText(curX, PageY, PrintText(u8"Препарат"));
    curX += colWidths[0];
    DrawText(curX, PageY, feed.preparat.valid ? feed.preparat.name : std::string());
    curX = leftX;
    PageY += lineStep;
    DrawText(curX, PageY, PrintText(u8"Число кормлений в сутки"));
    curX += colWidths[0];
    DrawText(curX, PageY, FormatWhole(feed.feedCount.OrZero()));
    curX = leftX;
    PageY += lineStep;
}

} // namespace velmora

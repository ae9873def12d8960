// The protocol's sections: which texts each table holds, read back from a recorded page.

#include "PrintBalanceData.h"
#include "PrintCommand.h"
#include "PrintEntData.h"
#include "PrintFormat.h"
#include "PrintInfData.h"
#include "PrintParData.h"
#include "PrintParProg.h"
#include "PrintTestSupport.h"
#include "RecordingCanvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>

using namespace velmora;

namespace {

using Line = std::vector<std::string>;

// A section at the top of a fresh page with its rows filled and its columns measured.
template <class Section>
std::unique_ptr<Section> Measured(RecordingCanvas &page, const PrintContext &context) {
    PageY = PageTopY;
    auto section = std::make_unique<Section>(page, context);
    section->FillRows();
    section->MeasureColumns();
    return section;
}

class SectionsTest : public ::testing::Test {
protected:
    void SetUp() override { PageY = PageTopY; }

    // All lines of one section's table (cells of one y, in drawing order).
    template <class Section> std::vector<Line> TableOf() {
        RecordingCanvas page;
        auto section = Measured<Section>(page, context);
        section->PrintTable();
        std::vector<Line> lines;
        for (int y = PageTopY; y < PageY; y += section->LineStep())
            lines.push_back(page.LineAt(0, y));
        return lines;
    }

    static Line Row(std::initializer_list<std::u8string_view> cells) {
        Line line;
        for (auto cell : cells)
            line.push_back(T(cell));
        return line;
    }

    NutritionModel model;
    PrintContext context = FixedContext(model);
};

TEST_F(SectionsTest, EveryValueOfAnEmptyCalculationPrintsZero) {
    model.FillCatalogue();
    context.decimalSeparator = '.';
    const std::vector<std::vector<Line>> tables{TableOf<PrintParData>(), TableOf<PrintParProg>(),
                                                TableOf<PrintInfData>(), TableOf<PrintEntData>(),
                                                TableOf<PrintBalanceData>()};
    // Drawn lines, separators included: rowCount + 1 each.
    const std::vector<std::size_t> lineCounts{28, 11, 12, 16, 19};
    for (std::size_t t = 0; t < tables.size(); ++t) {
        ASSERT_EQ(tables[t].size(), lineCounts[t]) << "section " << t;
        int values = 0;
        for (const Line &line : tables[t]) {
            for (std::size_t c = 1; c < line.size(); ++c) {
                // Every number cell reads 0.00; the rest are units.
                const bool number = std::isdigit(static_cast<unsigned char>(line[c][0]));
                if (number) {
                    EXPECT_EQ(line[c], "0.00") << "section " << t << ", " << line[0];
                    ++values;
                }
            }
        }
        EXPECT_GT(values, 0);
    }
}

TEST_F(SectionsTest, TheBalanceExamplePrintsWithTheUsersSeparator) {
    EnterBalanceExample(model);
    const auto par = TableOf<PrintParData>();
    const auto prog = TableOf<PrintParProg>();
    const auto inf = TableOf<PrintInfData>();
    const auto ent = TableOf<PrintEntData>();
    const auto bal = TableOf<PrintBalanceData>();
    auto has = [](const std::vector<Line> &table, const Line &line) {
        return std::find(table.begin(), table.end(), line) != table.end();
    };

    EXPECT_TRUE(
        has(par, Row({u8"Доза аминокислот", u8"3,00", u8"г/кг/сутки", u8"4,50", u8"г/сутки"})));
    EXPECT_TRUE(has(
        par, Row({u8"Скорость пост-я глюкозы", u8"6,00", u8"мг/кг/мин", u8"9,00", u8"мг/мин"})));
    EXPECT_TRUE(has(
        par, Row({u8"Раствор глюкозы 40%", u8"21,60", u8"мл/кг/сутки", u8"32,40", u8"мл/сутки"})));
    // The per-gram value stands twice; the units keep their own spelling.
    EXPECT_TRUE(has(par, Row({u8"     на 1 г аминокислот", u8"18,19", u8"ккал/г АК/сутки",
                              u8"18,19", u8"ккал/г АК/сутки"})));
    EXPECT_TRUE(
        has(par, Row({u8"Доза NaCl 0.9%", u8"0,00", u8"ммоль/кг/сутки", u8"0,00", u8"мл/сутки"})));
    // "Са" of the calcium dose is Cyrillic in this table, Latin in the programme.
    EXPECT_TRUE(std::any_of(par.begin(), par.end(), [](const Line &l) {
        return !l.empty() &&
               l[0] == "\xc4\xee\xe7\xe0 \xd1\xe0 \xe3\xeb\xfe\xea\xee\xed\xe0\xf2 10%";
    }));
    EXPECT_TRUE(has(prog, Row({u8"Глюконат Ca 10%", u8"0,00", u8"мл/сутки"})));
    EXPECT_TRUE(has(prog, Row({u8"NaCl 0,9%", u8"0,00", u8"мл/сутки"})));
    EXPECT_TRUE(has(prog, Row({u8"Жировая эмульсия 20%", u8"15,00", u8"мл/сутки"})));

    // The fat emulsion's dry mass and concentration are printed although no field shows them.
    const auto fat = std::find(inf.begin(), inf.end(), Row({u8"Жировая эмульсия"}));
    ASSERT_NE(fat, inf.end());
    EXPECT_EQ(*(fat + 1), Row({u8"Масса сухого вещества", u8"3,00", u8"г"}));
    EXPECT_EQ(*(fat + 2), Row({u8"Концентрация", u8"20,00", u8"%"}));

    EXPECT_TRUE(has(ent, Row({u8"Энтеральный разовый объем", u8"25,00", u8"мл/кг/сутки", u8"37,50",
                              u8"мл/сутки"})));
    EXPECT_TRUE(has(ent, Row({u8"     на 1 г аминокислот", u8"54,33", u8"ккал/г АК/сутки",
                              u8"54,33", u8"ккал/г АК/сутки"})));

    EXPECT_TRUE(
        has(bal, Row({u8"Количество белков", u8"4,80", u8"г/кг/сутки", u8"7,20", u8"г/сутки"})));
    EXPECT_TRUE(has(
        bal, Row({u8"Количество углеводов", u8"19,14", u8"г/кг/сутки", u8"28,71", u8"г/сутки"})));
    EXPECT_TRUE(has(
        bal, Row({u8"Полная энергия", u8"171,56", u8"ккал/кг/сутки", u8"257,34", u8"ккал/сутки"})));
    // Fluid is per day only, in the first value column.
    EXPECT_TRUE(has(bal, Row({u8"Энтеральный объем", u8"225,00", u8"мл/сутки"})));
}

TEST_F(SectionsTest, ProgrammeTotalStandsInTheTableColumnsBetweenTwoRules) {
    EnterBalanceExample(model);
    model.Edit("e_TotalWater_kg", "150", ',');
    RecordingCanvas page;
    auto measured = Measured<PrintParProg>(page, context);
    PrintParProg &section = *measured;
    const int y = PageY;
    section.PrintExtra();

    const auto *total = page.Find(T(u8"ИТОГО:"));
    ASSERT_NE(total, nullptr);
    EXPECT_EQ(total->x, 300);
    EXPECT_EQ(total->y, y + section.LineStep());
    EXPECT_TRUE(total->bold);
    // Amino acids 45 ml and glucose 32.4 ml; the feed leaves no room for dilution water.
    const std::string volume = "77,40";
    EXPECT_EQ(page.LineAt(0, total->y), (Line{T(u8"ИТОГО:"), volume, T(u8"мл/сутки")}));
    EXPECT_EQ(page.Find(volume)->x, 300 + section.ColumnWidth(0));
    EXPECT_EQ(page.Find(T(u8"мл/сутки"))->x, 300 + section.ColumnWidth(0) + section.ColumnWidth(1));
    ASSERT_EQ(page.rules.size(), 2u);
    EXPECT_EQ(page.rules[0].y1, y);
    EXPECT_EQ(page.rules[1].y1, y + 2 * section.LineStep());
    EXPECT_EQ(PageY, y + 4 * section.LineStep()) << "one empty line after the second rule";
    EXPECT_FALSE(page.bold);
}

TEST_F(SectionsTest, EnteralFeedLinesNameTheFeedAndCountWholeFeeds) {
    struct Case {
        bool withFeed;
        const char *feeds;
        std::string name;
        std::string count;
    };
    for (const Case &c :
         {Case{true, "7", T(u8"Грудное молоко зрелое"), "7"}, Case{false, "", "", "0"}}) {
        NutritionModel fresh;
        if (c.withFeed)
            EnterBalanceExample(fresh);
        fresh.Edit("e_FeedNumber", c.feeds, ',');
        PrintContext ctx = FixedContext(fresh);
        RecordingCanvas page;
        auto measured = Measured<PrintEntData>(page, ctx);
        PrintEntData &section = *measured;
        section.PrintExtra();

        const int step = section.LineStep();
        const int valueX = 300 + section.ColumnWidth(0);
        const Line expectedFeed =
            c.name.empty() ? Line{T(u8"Препарат")} : Line{T(u8"Препарат"), c.name};
        EXPECT_EQ(page.LineAt(0, PageTopY + step), expectedFeed);
        EXPECT_EQ(page.LineAt(0, PageTopY + 2 * step),
                  (Line{T(u8"Число кормлений в сутки"), c.count}));
        if (!c.name.empty()) {
            EXPECT_EQ(page.Find(c.name)->x, valueX);
        }
        EXPECT_EQ(page.Find(c.count)->x, valueX);
        EXPECT_EQ(PageY, PageTopY + 3 * step);
        EXPECT_TRUE(page.LineAt(0, PageTopY).empty()) << "an empty line under the title";
    }
}

} // namespace

namespace {

// Every value cell prints the number the window shows in the named field, read from the
// calculation's own display tables; only the format differs (0.00 instead of an empty field).
TEST_F(SectionsTest, EveryCellPrintsTheValueOfItsWindowField) {
    model.FillCatalogue();
    for (const auto &[control, text] : {std::pair{"e_MT", "1,5"},
                                        {"e_TotalWater_kg", "150"},
                                        {"e_KCl_kg", "2"},
                                        {"e_Ca_kg", "2"},
                                        {"e_NaCl10_kg", "1"},
                                        {"e_NaCl9_kg", "1,5"},
                                        {"e_MgSO4_kg", "1"},
                                        {"e_PreparatVolume", "5"},
                                        {"e_MainInfTime", "24"},
                                        {"e_EmulsionTime", "20"}})
        model.Edit(control, text, ',');
    model.EnteralPreparatChosen(0);
    for (const auto &[control, text] : {std::pair{"e_SumVolume_kg", "30"},
                                        {"e_FeedNumber", "6"},
                                        {"e_ParProtein_kg", "3"},
                                        {"e_ParFat_kg", "2"},
                                        {"e_CarbonRate_kg", "6"}})
        model.Edit(control, text, ',');

    std::map<std::string, float> shown;
    for (Display display :
         {Display::Needs, Display::Parenteral, Display::ParenteralDoses, Display::Programme,
          Display::Enteral, Display::Balance, Display::AllInputs})
        for (const DisplayRow &row : model.Show(display))
            shown.emplace(std::string(row.control), row.present ? row.value : 0.0f);

    // The fields of the value columns, data row by data row; "" for a cell no field shows.
    using Fields = std::vector<std::pair<std::string, std::string>>;
    const Fields par{{"e_ParProtein_kg", "e_ParProtein_day"},
                     {"e_ParFat_kg", "e_ParFat_day"},
                     {"e_CarbonRate_kg", "e_CarbonRate_day"},
                     {"e_ParCarbon_kg", "e_ParCarbon_day"},
                     {"e_ProteinVolume_kg", "e_ProteinVolume_day"},
                     {"e_FatVolume_kg", "e_FatVolume_day"},
                     {"e_CarbonVolume_kg", "e_CarbonVolume_day"},
                     {"e_ParCarbonEnergy_kg", "e_ParCarbonEnergy_day"},
                     {"e_ParFatEnergy_kg", "e_ParFatEnergy_day"},
                     {"e_ParNonproteinEnergy_kg", "e_ParNonproteinEnergy_day"},
                     {"e_ParEnergyRate_kg", "e_ParEnergyRate_kg"},
                     {"e_ParTotalEnergy_kg", "e_ParTotalEnergy_day"},
                     {"e_TotalWater_kg", "e_TotalWater_day"},
                     {"e_KCl_kg", "e_KCl_day"},
                     {"e_Ca_kg", "e_Ca_day"},
                     {"e_NaCl10_kg", "e_NaCl10_day"},
                     {"e_NaCl9_kg", "e_NaCl9_day"},
                     {"e_MgSO4_kg", "e_MgSO4_day"}};
    const Fields prog{{"e_InjectWater", ""},  {"e_ProteinVolume", ""}, {"e_EmulsionVolume", ""},
                      {"e_CarbonVolume", ""}, {"e_KCl", ""},           {"e_Ca", ""},
                      {"e_NaCl10", ""},       {"e_NaCl9", ""},         {"e_MgSO4", ""}};
    const Fields inf{
        {"e_DryMass", ""}, {"e_Konc", ""}, {"e_MainInfTime", ""},  {"e_MainInfRate", ""},
        {"", ""},          {"", ""},       {"e_EmulsionTime", ""}, {"e_EmulsionRate", ""}};
    const Fields ent{{"e_SumVolume_kg", "e_SumVolume_day"},
                     {"e_FeedVolume_kg", "e_FeedVolume_day"},
                     {"e_EntProtein_kg", "e_EntProtein_day"},
                     {"e_EntFat_kg", "e_EntFat_day"},
                     {"e_EntCarbon_kg", "e_EntCarbon_day"},
                     {"e_EntCarbonEnergy_kg", "e_EntCarbonEnergy_day"},
                     {"e_EntFatEnergy_kg", "e_EntFatEnergy_day"},
                     {"e_EntNonproteinEnergy_kg", "e_EntNonproteinEnergy_day"},
                     {"e_EntEnergyRate_kg", "e_EntEnergyRate_kg"},
                     {"e_EntTotalEnergy_kg", "e_EntTotalEnergy_day"}};
    const Fields bal{{"e_TotalProtein_kg", "e_TotalProtein_day"},
                     {"e_TotalFat_kg", "e_TotalFat_day"},
                     {"e_TotalCarbon_kg", "e_TotalCarbon_day"},
                     {"e_TotalCarbonEnergy_kg", "e_TotalCarbonEnergy_day"},
                     {"e_TotalFatEnergy_kg", "e_TotalFatEnergy_day"},
                     {"e_TotalNonproteinEnergy_kg", "e_TotalNonproteinEnergy_day"},
                     {"e_TotalEnergyRate_kg", "e_TotalEnergyRate_kg"},
                     {"e_TotalEnergy_kg", "e_TotalEnergy_day"},
                     {"e_TotalVolume", ""},
                     {"e_SummaryVolume", ""}, // the main solution's volume, as in the total
                     {"e_EntVol", ""},
                     {"e_PrepVolume", ""},
                     {"e_InjVolume", ""}};

    auto check = [&](const char *name, const std::vector<Line> &table, const Fields &fields) {
        SCOPED_TRACE(name);
        std::vector<Line> data;
        for (const Line &line : table)
            if (line.size() > 1)
                data.push_back(line);
        ASSERT_EQ(data.size(), fields.size());
        int nonZero = 0;
        for (std::size_t r = 0; r < data.size(); ++r) {
            for (const auto &[cell, field] :
                 {std::pair{1u, fields[r].first}, std::pair{3u, fields[r].second}}) {
                if (field.empty())
                    continue;
                ASSERT_TRUE(shown.count(field)) << field;
                ASSERT_GT(data[r].size(), cell) << field;
                EXPECT_EQ(data[r][cell], FormatCell(shown[field], ',')) << field;
                nonZero += shown[field] > 0.0f;
            }
        }
        EXPECT_GT(nonZero, 0);
    };
    check("parenteral", TableOf<PrintParData>(), par);
    check("programme", TableOf<PrintParProg>(), prog);
    check("infusion", TableOf<PrintInfData>(), inf);
    check("enteral", TableOf<PrintEntData>(), ent);
    check("balance", TableOf<PrintBalanceData>(), bal);
}

} // namespace

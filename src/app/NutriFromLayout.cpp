// The window's controls, created in code the way the form layout places them. Behaviour lives in
// NutriFrom.cpp; this file only builds widgets, names them and puts them in place.
#include "NutriFrom.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// One row of a two-column table: per kilogram of body weight and per whole child.
struct TableRow {
    const char *group;
    const char *caption;
    const char *perKg;
    const char *perKgUnit;
    const char *perDay;
    const char *perDayUnit;
};

// One single value with its unit.
struct ValueRow {
    const char *caption;
    const char *name;
    const char *unit;
};

const TableRow NeedRows[] = {
    {"", "Аминокислоты", "e_NeedProtein_kg", "г/кг/сутки", "e_NeedProtein_day", "г/сутки"},
    {"", "Жиры", "e_NeedFat_kg", "г/кг/сутки", "e_NeedFat_day", "г/сутки"},
    {"", "Углеводы", "e_NeedCarbon_kg", "г/кг/сутки", "e_NeedCarbon_day", "г/сутки"},
    {"", "Объем жидкости", "e_TotalWater_kg", "мл/кг/сутки", "e_TotalWater_day", "мл/сутки"},
    {"", "Натрий", "e_NeedNa_kg", "мг/кг/сутки", "e_NeedNa_day", "мг/сутки"},
    {"", "Калий", "e_NeedK_kg", "мг/кг/сутки", "e_NeedK_day", "мг/сутки"},
    {"", "Кальций", "e_NeedCa_kg", "мг/кг/сутки", "e_NeedCa_day", "мг/сутки"},
    {"", "Магний", "e_NeedMg_kg", "мг/кг/сутки", "e_NeedMg_day", "мг/сутки"},
};

const TableRow EnteralRows[] = {
    {"", "Энтеральный объем", "e_SumVolume_kg", "мл/кг/сутки", "e_SumVolume_day", "мл/сутки"},
    {"", "Энт. разовый объем", "e_FeedVolume_kg", "мл/кормление/кг/сутки", "e_FeedVolume_day",
     "мл/кормление/сутки"},
    {"Белки", "Доза белков", "e_EntProtein_kg", "г/кг/сутки", "e_EntProtein_day", "г/сутки"},
    {"Жиры", "Доза жиров", "e_EntFat_kg", "г/кг/сутки", "e_EntFat_day", "г/сутки"},
    {"", "Энергия жиров", "e_EntFatEnergy_kg", "ккал/кг/сутки", "e_EntFatEnergy_day", "ккал/сутки"},
    {"Углеводы", "Доза углеводов", "e_EntCarbon_kg", "г/кг/сутки", "e_EntCarbon_day", "г/сутки"},
    {"", "Энергия углеводов", "e_EntCarbonEnergy_kg", "ккал/кг/сутки", "e_EntCarbonEnergy_day",
     "ккал/сутки"},
    {"Энергообеспечение", "Общее ", "e_EntNonproteinEnergy_kg", "ккал/кг/сутки",
     "e_EntNonproteinEnergy_day", "ккал/сутки"},
    {"", "На 1 г аминокислот", "e_EntEnergyRate_kg", "ккал/г АК/сутки", "e_EntEnergyRate_day",
     "ккал/г АК/сутки"},
    {"", "Полная энергия", "e_EntTotalEnergy_kg", "ккал/кг/сутки", "e_EntTotalEnergy_day",
     "ккал/сутки"},
};

const TableRow ParenteralRows[] = {
    {"Аминокислоты", "Доза аминокислот", "e_ParProtein_kg", "г/кг/сутки", "e_ParProtein_day",
     "г/сутки"},
    {"", "Объем Аминовен инфант 10%", "e_ProteinVolume_kg", "мл/кг/сутки", "e_ProteinVolume_day",
     "мл/сутки"},
    {"Жиры", "Доза жиров", "e_ParFat_kg", "г/кг/сутки", "e_ParFat_day", "г/сутки"},
    {"", "Объем жировой эмульсии 20%", "e_FatVolume_kg", "мл/кг/сутки", "e_FatVolume_day",
     "мл/сутки"},
    {"", "Энергия жиров", "e_ParFatEnergy_kg", "ккал/кг/сутки", "e_ParFatEnergy_day", "ккал/сутки"},
    {"Глюкоза", "Скорость поступления глюкозы", "e_CarbonRate_kg", "мг/кг/мин", "e_CarbonRate_day",
     "мг/мин"},
    {"", "Доза глюкозы", "e_ParCarbon_kg", "г/кг/сутки", "e_ParCarbon_day", "г/сутки"},
    {"", "Объем раствора глюкозы 40%", "e_CarbonVolume_kg", "мл/кг/сутки", "e_CarbonVolume_day",
     "мл/сутки"},
    {"", "Энергия глюкозы", "e_ParCarbonEnergy_kg", "ккал/кг/сутки", "e_ParCarbonEnergy_day",
     "ккал/сутки"},
    {"Энергообеспечение", "Общее", "e_ParNonproteinEnergy_kg", "ккал/кг/сутки",
     "e_ParNonproteinEnergy_day", "ккал/сутки"},
    {"", "На 1 г аминокислот", "e_ParEnergyRate_kg", "ккал/г АК/сутки", "e_ParEnergyRate_day",
     "ккал/г АК/сутки"},
    {"", "Полная энергия", "e_ParTotalEnergy_kg", "ккал/кг/сутки", "e_ParTotalEnergy_day",
     "ккал/сутки"},
};

const TableRow ElectrolyteRows[] = {
    {"", "Доза KCl 4%", "e_KCl_kg", "ммоль/кг/сутки", "e_KCl_day", "мл/сутки"},
    {"", "Доза глюконат Ca 10%", "e_Ca_kg", "ммоль/кг/сутки", "e_Ca_day", "мл/сутки"},
    {"", "Доза NaCl 10%", "e_NaCl10_kg", "ммоль/кг/сутки", "e_NaCl10_day", "мл/сутки"},
    {"", "Доза NaCl 0,9%", "e_NaCl9_kg", "ммоль/кг/сутки", "e_NaCl9_day", "мл/сутки"},
    {"", "Доза MgSO4 25%", "e_MgSO4_kg", "ммоль/кг/сутки", "e_MgSO4_day", "мл/сутки"},
};

const ValueRow ProgrammeRows[] = {
    {"Вода для разведения", "e_InjectWater", "мл/сутки"},
    {"Аминовен инфант 10%", "e_ProteinVolume", "мл/сутки"},
    {"Раствор глюкозы 40%", "e_CarbonVolume", "мл/сутки"},
    {"KCl 4%", "e_KCl", "мл/сутки"},
    {"Глюконат Ca 10%", "e_Ca", "мл/сутки"},
    {"NaCl 10%", "e_NaCl10", "мл/сутки"},
    {"NaCl 0,9%", "e_NaCl9", "мл/сутки"},
    {"MgSO4 25%", "e_MgSO4", "мл/сутки"},
};

const ValueRow ConcentrationRows[] = {
    {"Масса сухого вещества", "e_DryMass", "г "},
    {"Концентрация раствора", "e_Konc", "%"},
};

const ValueRow InfusionRows[] = {
    {"Время введения осн. р-ра", "e_MainInfTime", "час"},
    {"Скорость введ-я осн. р-ра", "e_MainInfRate", "мл/час"},
    {"Объем ЖЭ 20%", "e_EmulsionVolume", "мл/сутки"},
    {"Время введения ЖЭ 20%", "e_EmulsionTime", "час"},
    {"Скорость введ-я ЖЭ 20%", "e_EmulsionRate", "мл/час"},
};

const ValueRow MedicationRows[] = {
    {"Объем лечебных препаратов", "e_PreparatVolume", "мл/сутки"},
};

const TableRow BalanceRows[] = {
    {"Белки", "Количество белков", "e_TotalProtein_kg", "г/кг/сутки", "e_TotalProtein_day",
     "г/сутки"},
    {"Жиры", "Количество жиров", "e_TotalFat_kg", "г/кг/сутки", "e_TotalFat_day", "г/сутки"},
    {"", "Энергия жиров", "e_TotalFatEnergy_kg", "ккал/кг/сутки", "e_TotalFatEnergy_day",
     "ккал/сутки"},
    {"Углеводы", "Количество углеводов", "e_TotalCarbon_kg", "г/кг/сутки", "e_TotalCarbon_day",
     "г/сутки"},
    {"", "Энергия углеводов", "e_TotalCarbonEnergy_kg", "ккал/кг/сутки", "e_TotalCarbonEnergy_day",
     "ккал/сутки"},
    {"Энергообеспечение", "Общее ", "e_TotalNonproteinEnergy_kg", "ккал/кг/сутки",
     "e_TotalNonproteinEnergy_day", "ккал/сутки"},
    {"", "На 1 г аминокислот", "e_TotalEnergyRate_kg", "ккал/г АК/сутки", "e_TotalEnergyRate_day",
     "ккал/г АК/сутки"},
    {"", "Полная энергия", "e_TotalEnergy_kg", "ккал/кг/сутки", "e_TotalEnergy_day", "ккал/сутки"},
};

const ValueRow FluidBalanceLeft[] = {
    {"Общий объем жидкости", "e_TotalVolume", "мл/сутки"},
    {"Энтеральный объем", "e_EntVol", "мл/сутки"},
    {"Объем воды для разведения", "e_InjVolume", "мл/сутки"},
};

const ValueRow FluidBalanceRight[] = {
    {"Объем парент. инфузии", "e_MainInfVolume", "мл/сутки"},
    {"Объем препаратов", "e_PrepVolume", "мл/сутки"},
    {"Концентрация глюкозы в осн. р-ре", "e_TotalConcGlu", "%"},
};

constexpr int EditWidth = 64;
constexpr int EditHeight = 24;
constexpr int GroupIndent = 14;
constexpr int FluidCaptionWidth = 176;

QString Text(const char *utf8) {
    return QString::fromUtf8(utf8);
}

QLabel *MakeLabel(const char *text, QWidget *parent, bool bold = false) {
    auto *label = new QLabel(Text(text), parent);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

QFrame *MakeRule(QWidget *parent) {
    auto *rule = new QFrame(parent);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    return rule;
}

QGridLayout *MakeGrid() {
    auto *grid = new QGridLayout;
    grid->setVerticalSpacing(1);
    grid->setHorizontalSpacing(6);
    return grid;
}

// Five tab captions in 16-pixel type need a little less padding than the style gives them to
// fit the fixed window width without scroll arrows.
class CompactTabStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override {
        if (metric == PM_TabBarTabHSpace)
            return 14;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace

// Creates the named edits and fills grids with them; every edit is recorded by name so that the
// window can reach any field the way the calculation's display tables name it.
class FormBuilder {
public:
    explicit FormBuilder(QHash<QString, QLineEdit *> &edits) : edits_(edits) {}

    QLineEdit *Edit(const char *name, QWidget *parent) {
        auto *edit = new QLineEdit(parent);
        edit->setObjectName(Text(name));
        edit->setFixedSize(EditWidth, EditHeight);
        edits_.insert(edit->objectName(), edit);
        return edit;
    }

    // Column captions above the two value columns; the row captions take column 0.
    void ColumnCaptions(QGridLayout *grid, int row, QWidget *parent) {
        grid->addWidget(MakeLabel("на 1 кг веса ребенка", parent, true), row, 1, 1, 2,
                        Qt::AlignLeft);
        grid->addWidget(MakeLabel("на полный вес ребенка", parent, true), row, 3, 1, 2,
                        Qt::AlignLeft);
    }

    // A group caption takes a line of its own above its first row, and the rows of a table with
    // groups are indented beneath it.
    template <std::size_t N>
    int Table(QGridLayout *grid, int row, const TableRow (&rows)[N], QWidget *parent) {
        bool grouped = false;
        for (const TableRow &r : rows)
            grouped = grouped || *r.group;
        for (const TableRow &r : rows) {
            if (*r.group)
                grid->addWidget(MakeLabel(r.group, parent, true), row++, 0);
            QLabel *caption = MakeLabel(r.caption, parent);
            if (grouped)
                caption->setIndent(GroupIndent);
            grid->addWidget(caption, row, 0);
            grid->addWidget(Edit(r.perKg, parent), row, 1);
            grid->addWidget(MakeLabel(r.perKgUnit, parent), row, 2);
            grid->addWidget(Edit(r.perDay, parent), row, 3);
            grid->addWidget(MakeLabel(r.perDayUnit, parent), row, 4);
            ++row;
        }
        grid->setColumnStretch(5, 1);
        return row;
    }

    // Caption, edit and unit in three columns starting at `column`.
    // A positive `captionWidth` wraps longer captions onto a second line.
    template <std::size_t N>
    int Values(QGridLayout *grid, int row, int column, const ValueRow (&rows)[N], QWidget *parent,
               int captionWidth = 0) {
        for (const ValueRow &r : rows) {
            QLabel *caption = MakeLabel(r.caption, parent);
            if (captionWidth > 0) {
                caption->setWordWrap(true);
                caption->setFixedWidth(captionWidth);
            }
            grid->addWidget(caption, row, column);
            grid->addWidget(Edit(r.name, parent), row, column + 1);
            grid->addWidget(MakeLabel(r.unit, parent), row, column + 2);
            ++row;
        }
        return row;
    }

private:
    QHash<QString, QLineEdit *> &edits_;
};

void TNutriFrom::CreateControls() {
    FormBuilder build(Edits);

    MainLayout = new QVBoxLayout(this);
    MainLayout->setContentsMargins(8, 6, 8, 8);
    MainLayout->setSpacing(6);

    // Weight row with the commands.
    CommandRow = new QHBoxLayout;
    Label1 = MakeLabel("Вес новорожденного (кг)", this, true);
    Label1->setObjectName(QStringLiteral("Label1"));
    e_MT = build.Edit("e_MT", this);
    QFont bold = e_MT->font();
    bold.setBold(true);
    e_MT->setFont(bold);
    ClearBtn = new QPushButton(Text("Новый расчет"), this);
    ClearBtn->setObjectName(QStringLiteral("ClearBtn"));
    AuthorButton = new QPushButton(Text("Авторы"), this);
    AuthorButton->setObjectName(QStringLiteral("AuthorButton"));
    CommandRow->addWidget(Label1);
    CommandRow->addWidget(e_MT);
    CommandRow->addSpacing(24);
    CommandRow->addWidget(ClearBtn);
    CommandRow->addStretch();
    CommandRow->addWidget(AuthorButton);
    MainLayout->addLayout(CommandRow);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    auto *tabStyle = new CompactTabStyle;
    tabStyle->setParent(PageControl1);
    PageControl1->tabBar()->setStyle(tabStyle);
    MainLayout->addWidget(PageControl1, 1);

    auto newTab = [this](QWidget *&sheet, const char *name, const char *caption) {
        sheet = new QWidget;
        sheet->setObjectName(Text(name));
        PageControl1->addTab(sheet, Text(caption));
        auto *outer = new QVBoxLayout(sheet);
        outer->setContentsMargins(8, 6, 8, 4);
        outer->setSpacing(3);
        return outer;
    };

    // Tab 0: needs.
    {
        QVBoxLayout *outer = newTab(TabSheet5, "TabSheet5", "Потребности");
        auto *age = new QHBoxLayout;
        age->addWidget(MakeLabel("Срок гестации (недели)", TabSheet5));
        age->addWidget(build.Edit("e_GestAge", TabSheet5));
        age->addSpacing(30);
        age->addWidget(MakeLabel("Сутки жизни", TabSheet5));
        age->addWidget(build.Edit("e_LifeDay", TabSheet5));
        age->addStretch();
        outer->addLayout(age);
        outer->addSpacing(10);
        outer->addWidget(MakeLabel("Суточные потребности", TabSheet5, true), 0, Qt::AlignHCenter);
        QGridLayout *grid = MakeGrid();
        build.ColumnCaptions(grid, 0, TabSheet5);
        build.Table(grid, 1, NeedRows, TabSheet5);
        outer->addLayout(grid);
        outer->addStretch();
    }

    // Tab 1: enteral nutrition.
    {
        QVBoxLayout *outer = newTab(TabSheet3, "TabSheet3", "Энтер. питание");
        auto *feed = new QHBoxLayout;
        feed->addWidget(MakeLabel("Препарат", TabSheet3));
        EnteralPreparatCbx = new QComboBox(TabSheet3);
        EnteralPreparatCbx->setObjectName(QStringLiteral("EnteralPreparatCbx"));
        EnteralPreparatCbx->setMinimumWidth(230);
        feed->addWidget(EnteralPreparatCbx);
        feed->addSpacing(20);
        feed->addWidget(MakeLabel("Число кормлений", TabSheet3));
        feed->addWidget(build.Edit("e_FeedNumber", TabSheet3));
        feed->addWidget(MakeLabel("(в сутки)", TabSheet3));
        feed->addStretch();
        outer->addLayout(feed);
        outer->addSpacing(6);
        QGridLayout *grid = MakeGrid();
        build.ColumnCaptions(grid, 0, TabSheet3);
        build.Table(grid, 1, EnteralRows, TabSheet3);
        outer->addLayout(grid);
        outer->addStretch();
    }

    // Tab 2: parenteral nutrition.
    {
        QVBoxLayout *outer = newTab(TabSheet1, "TabSheet1", "Парент. питание");
        QGridLayout *grid = MakeGrid();
        build.ColumnCaptions(grid, 0, TabSheet1);
        build.Table(grid, 1, ParenteralRows, TabSheet1);
        outer->addLayout(grid);
        outer->addStretch();
    }

    // Tab 3: the 24-hour programme, in four blocks.
    {
        QVBoxLayout *outer = newTab(TabSheet2, "TabSheet2", "Программа ПП на 24 часа");
        QGridLayout *electrolytes = MakeGrid();
        electrolytes->addWidget(MakeLabel("Электролиты", TabSheet2, true), 0, 0);
        build.ColumnCaptions(electrolytes, 0, TabSheet2);
        build.Table(electrolytes, 1, ElectrolyteRows, TabSheet2);
        outer->addLayout(electrolytes);
        outer->addWidget(MakeRule(TabSheet2));

        // The programme's title is wider than its column of volumes; it heads the lower half.
        outer->addWidget(
            MakeLabel("Программа парентерального питания на 24 часа ", TabSheet2, true));
        auto *blocks = new QHBoxLayout;
        blocks->setSpacing(14);

        auto *programme = MakeGrid();
        int row = build.Values(programme, 0, 0, ProgrammeRows, TabSheet2);
        programme->addWidget(MakeRule(TabSheet2), row++, 0, 1, 3);
        programme->addWidget(MakeLabel("ИТОГО:", TabSheet2, true), row, 0);
        programme->addWidget(build.Edit("e_SummaryVolume", TabSheet2), row, 1);
        programme->addWidget(MakeLabel("мл/сутки", TabSheet2), row, 2);
        programme->setRowStretch(row + 1, 1);
        blocks->addLayout(programme);

        auto *right = new QVBoxLayout;
        right->setSpacing(3);
        auto *frame = new QFrame(TabSheet2);
        frame->setFrameShape(QFrame::Box);
        auto *framed = MakeGrid();
        framed->setContentsMargins(6, 3, 6, 3);
        frame->setLayout(framed);
        framed->addWidget(MakeLabel("Концентрация основного раствора", frame, true), 0, 0, 1, 3);
        row = build.Values(framed, 1, 0, ConcentrationRows, frame);
        framed->addWidget(MakeLabel("Параметры инфузии", frame, true), row, 0, 1, 3);
        build.Values(framed, row + 1, 0, InfusionRows, frame);
        right->addWidget(frame);
        right->addWidget(MakeRule(TabSheet2));
        auto *medication = MakeGrid();
        build.Values(medication, 0, 0, MedicationRows, TabSheet2);
        right->addLayout(medication);
        right->addStretch();
        blocks->addLayout(right);
        blocks->addStretch();
        outer->addLayout(blocks);
        outer->addStretch();
    }

    // Tab 4: overall balance.
    {
        QVBoxLayout *outer = newTab(TabSheet4, "TabSheet4", "Общий баланс");
        QGridLayout *grid = MakeGrid();
        build.ColumnCaptions(grid, 0, TabSheet4);
        build.Table(grid, 1, BalanceRows, TabSheet4);
        outer->addLayout(grid);
        outer->addSpacing(6);
        outer->addWidget(MakeLabel("Баланс жидкости", TabSheet4, true));
        auto *fluid = MakeGrid();
        // Two columns of three side by side are wider than the tab; the longest captions wrap.
        build.Values(fluid, 0, 0, FluidBalanceLeft, TabSheet4, FluidCaptionWidth);
        fluid->setColumnMinimumWidth(3, 10);
        build.Values(fluid, 0, 4, FluidBalanceRight, TabSheet4, FluidCaptionWidth);
        fluid->setColumnStretch(7, 1);
        outer->addLayout(fluid);
        outer->addStretch();
    }
}

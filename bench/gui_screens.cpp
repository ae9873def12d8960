// Fills the window with a worked programme and saves a picture of each tab, for looking at the
// layout (clipping, units beside their fields, Cyrillic) and for the README.
//   velmora_gui_screens <output directory> [--top-strip]
// --top-strip reserves the 50-pixel strip that the state panel takes at the top of the window,
// to check that every tab still fits below it.
#include "DecimalSeparator.h"
#include "Dialogs.h"
#include "NutriFrom.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QVBoxLayout>

#include <cstdio>

namespace {

void Type(TNutriFrom &window, const char *field, const char *text) {
    QLineEdit *edit = window.Field(QString::fromLatin1(field));
    edit->setFocus();
    QTest::keyClicks(edit, QString::fromLatin1(text));
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <output directory> [--top-strip]\n", argv[0]);
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const bool topStrip = argc > 2 && QString::fromLatin1(argv[2]) == QLatin1String("--top-strip");
    QDir().mkpath(out);

    Dialogs::SetScripted(true);
    OverrideSystemDecimalSeparator(QLatin1Char(','));
    TNutriFrom window;
    if (topStrip) {
        auto *strip = new QWidget(&window);
        strip->setFixedHeight(50);
        strip->setAutoFillBackground(true);
        QPalette palette = strip->palette();
        palette.setColor(QPalette::Window, QColor(31, 118, 34));
        strip->setPalette(palette);
        static_cast<QVBoxLayout *>(window.layout())->insertWidget(0, strip);
    }
    window.show();

    const struct {
        const char *field;
        const char *text;
    } entries[] = {
        {"e_MT", "1,5"},          {"e_GestAge", "32"},
        {"e_LifeDay", "5"},       {"e_TotalWater_kg", "150"},
        {"e_ParProtein_kg", "3"}, {"e_ParFat_kg", "2"},
        {"e_CarbonRate_kg", "6"}, {"e_KCl_kg", "2"},
        {"e_Ca_kg", "2"},         {"e_NaCl10_kg", "1"},
        {"e_MgSO4_kg", "1"},      {"e_PreparatVolume", "5"},
        {"e_MainInfTime", "24"},  {"e_EmulsionTime", "20"},
        {"e_FeedNumber", "6"},
    };
    for (const auto &entry : entries)
        Type(window, entry.field, entry.text);

    for (int i = 0; i < window.PageControl1->count(); ++i) {
        window.PageControl1->setCurrentIndex(i);
        QApplication::processEvents();
        const QString file = QStringLiteral("%1/tab%2.png").arg(out).arg(i);
        window.grab().save(file);
        std::printf("%s\n", qPrintable(file));
    }
    return 0;
}

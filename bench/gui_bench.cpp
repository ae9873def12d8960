// Main window figures, offscreen:
//  (a) cold start: from starting a process until its main window is exposed and drawn, median of 10
//      runs (each run is this program started again with --startup-probe);
//  (b) one typed weight digit on a fully filled window until every field is written, median
//      over 200 keystrokes.
#include "DecimalSeparator.h"
#include "Dialogs.h"
#include "NutriFrom.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr int StartRuns = 10;
constexpr int Keystrokes = 200;

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The child of (a): shows the window, says so once it is exposed and fully painted, and ends.
int StartupProbe(int argc, char *argv[]) {
    QApplication app(argc, argv);
    Dialogs::SetScripted(true);
    TNutriFrom window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    window.repaint(); // every control drawn at least once
    std::printf("shown\n");
    std::fflush(stdout);
    return 0;
}

void MeasureStartup(const QString &self) {
    std::vector<double> ms;
    for (int run = 0; run < StartRuns; ++run) {
        QProcess probe;
        QElapsedTimer clock;
        clock.start();
        probe.start(self, {QStringLiteral("--startup-probe")});
        while (!probe.canReadLine() && probe.waitForReadyRead(10000)) {
        }
        const double elapsed = clock.nsecsElapsed() / 1e6;
        if (probe.readLine().trimmed() != "shown") {
            std::fprintf(stderr, "start-up probe failed\n");
            return;
        }
        probe.waitForFinished();
        ms.push_back(elapsed);
    }
    std::printf("cold start to window shown: median %.1f ms over %d runs (min %.1f, max %.1f)\n",
                Median(ms), StartRuns, *std::min_element(ms.begin(), ms.end()),
                *std::max_element(ms.begin(), ms.end()));
}

void Type(TNutriFrom &window, const char *field, const char *text) {
    QLineEdit *edit = window.Field(QString::fromLatin1(field));
    edit->setFocus();
    QTest::keyClicks(edit, QString::fromLatin1(text));
}

void MeasureKeystroke() {
    OverrideSystemDecimalSeparator(QLatin1Char(','));
    Dialogs::SetScripted(true);
    TNutriFrom window;
    window.show();
    QApplication::processEvents();

    // Every tab filled: needs, a feed with its volume, doses, electrolytes and the programme.
    const struct {
        const char *field;
        const char *text;
    } entries[] = {
        {"e_MT", "1,5"},           {"e_GestAge", "32"},        {"e_LifeDay", "5"},
        {"e_NeedNa_kg", "3"},      {"e_NeedK_kg", "2"},        {"e_NeedCa_kg", "1"},
        {"e_NeedMg_kg", "1"},      {"e_TotalWater_kg", "150"}, {"e_SumVolume_kg", "30"},
        {"e_FeedNumber", "8"},     {"e_ParProtein_kg", "3"},   {"e_ParFat_kg", "2"},
        {"e_CarbonRate_kg", "6"},  {"e_KCl_kg", "2"},          {"e_Ca_kg", "2"},
        {"e_NaCl10_kg", "1"},      {"e_NaCl9_kg", "1"},        {"e_MgSO4_kg", "1"},
        {"e_PreparatVolume", "5"}, {"e_MainInfTime", "24"},    {"e_EmulsionTime", "20"},
    };
    window.EnteralPreparatCbx->setFocus();
    QTest::keyClick(window.EnteralPreparatCbx, Qt::Key_Down);
    for (const auto &entry : entries)
        Type(window, entry.field, entry.text);

    QLineEdit *weight = window.e_MT;
    weight->setFocus();
    weight->end(false);
    std::vector<double> us;
    us.reserve(Keystrokes);
    for (int i = 0; i < Keystrokes; ++i) {
        const char digit = static_cast<char>('1' + i % 9); // 1,51 .. 1,59: always a valid weight
        const auto start = std::chrono::steady_clock::now();
        QTest::keyClick(weight, digit);
        const auto end = std::chrono::steady_clock::now();
        us.push_back(std::chrono::duration<double, std::micro>(end - start).count());
        QTest::keyClick(weight, Qt::Key_Backspace);
        QApplication::processEvents(); // let the window repaint between keystrokes
    }
    if (weight->text() != QStringLiteral("1,5") || window.Field("e_EntVol")->text().isEmpty())
        std::fprintf(stderr, "the window did not compute as expected\n");
    std::sort(us.begin(), us.end());
    std::printf("typed weight digit until every field is written: median %.1f us over %d "
                "keystrokes (p90 %.1f us, max %.1f us)\n",
                Median(us), Keystrokes, us[us.size() * 9 / 10], us.back());
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc > 1 && QString::fromLatin1(argv[1]) == QLatin1String("--startup-probe"))
        return StartupProbe(argc, argv);
    QApplication app(argc, argv);
    MeasureStartup(QApplication::applicationFilePath());
    MeasureKeystroke();
    return 0;
}

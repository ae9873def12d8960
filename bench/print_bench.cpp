// Time to render the whole protocol (all four section groups, four A4 pages at 600 dpi) into a
// PDF file, as "Сохранить в PDF..." does, and the size of that file. Run with
//   bench_print --benchmark_repetitions=20
// for the median of 20. Set VELMORA_PROTOCOL_PDF to a path to keep a copy of the file.

#include "PrintTestSupport.h"
#include "ProtocolPdf.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

void BM_ProtocolToPdf(benchmark::State &state) {
    velmora::NutritionModel model;
    EnterBalanceExample(model);
    const velmora::PrintContext context = FixedContext(model, ',');
    QTemporaryDir dir;
    const QString pdf = dir.filePath("protocol.pdf");
    for (auto _ : state) {
        const std::string failure = SaveProtocolPdf(pdf, context, velmora::PrintSelection{});
        if (!failure.empty()) {
            state.SkipWithError("the PDF could not be written");
            return;
        }
    }
    state.counters["pdf_bytes"] = static_cast<double>(QFileInfo(pdf).size());
    const QString keep = qEnvironmentVariable("VELMORA_PROTOCOL_PDF");
    if (!keep.isEmpty()) {
        QFile::remove(keep);
        QFile::copy(pdf, keep);
    }
}
BENCHMARK(BM_ProtocolToPdf)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

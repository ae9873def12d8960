// How long the window (or the launcher) is blocked by installing one package, by package size.
#include "PackageKit.h"

#include "TAppConfig.h"
#include "TUpdater.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <stdexcept>

namespace {

void BM_InstallPackage(benchmark::State &state) {
    const int files = static_cast<int>(state.range(0));
    packagekit::TestAppDir app;
    TAppConfig::Instance().Init(app.AppPath);
    packagekit::Entries entries = {{"mess.dat", packagekit::MessDat("1", "0", "0")},
                                   {"todo.bat", packagekit::TodoScript(0)}};
    for (int i = 0; i < files; ++i)
        entries.emplace_back("files/f" + std::to_string(i) + ".bin", std::string(10240, 'x'));

    for (auto _ : state) {
        state.PauseTiming();
        const std::string package = app.AddPackage("p.zip", entries);
        state.ResumeTiming();
        if (!TUpdater(false).InstallPackage(package))
            throw std::runtime_error("installation failed");
    }
}
BENCHMARK(BM_InstallPackage)->Arg(1)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// Scrambled stream against plain file stream: a 256 MiB file written and read in 64 KiB chunks.
// The figure that matters is the ratio of the two throughputs, measured in the same run, so it is
// printed at the end; the absolute numbers depend on the machine and the page cache.

#include "Cp1251.h"
#include "TSecureFile.h"
#include "TSecureFileStream.h"
#include "TXOREncryptor.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int64_t kFileSize = 256LL * 1024 * 1024;
constexpr int64_t kChunk = 64 * 1024;

std::string TempFile() {
    static const std::string path =
        ToCp1251(QDir::tempPath() + "/velmora_bench_" +
                 QString::number(QCoreApplication::applicationPid()) + ".bin");
    return path;
}

std::unique_ptr<TFileStream> Open(bool scrambled, unsigned mode) {
    if (scrambled)
        return std::make_unique<TSecureFileStream<TXOREncryptor>>(TempFile(), TSecureFile::Key(),
                                                                  mode);
    return std::make_unique<TFileStream>(TempFile(), mode);
}

void WriteFile(benchmark::State &state, bool scrambled) {
    std::vector<char> chunk(kChunk);
    for (std::size_t i = 0; i < chunk.size(); ++i)
        chunk[i] = static_cast<char>(i * 31);
    for (auto _ : state) {
        auto stream = Open(scrambled, fmCreate);
        for (int64_t done = 0; done < kFileSize; done += kChunk) {
            if (stream->Write(chunk.data(), kChunk) != kChunk)
                state.SkipWithError("write failed");
        }
    }
    state.SetBytesProcessed(state.iterations() * kFileSize);
}

void ReadFile(benchmark::State &state, bool scrambled) {
    std::vector<char> chunk(kChunk);
    if (QFile(FromCp1251(TempFile())).size() != kFileSize) { // when run without the writes
        auto stream = Open(false, fmCreate);
        for (int64_t done = 0; done < kFileSize; done += kChunk)
            stream->Write(chunk.data(), kChunk);
    }
    for (auto _ : state) {
        auto stream = Open(scrambled, fmOpenRead | fmShareDenyNone);
        int64_t total = 0;
        for (int64_t got; (got = stream->Read(chunk.data(), kChunk)) > 0;)
            total += got;
        benchmark::DoNotOptimize(chunk.data());
        if (total != kFileSize)
            state.SkipWithError("short file");
    }
    state.SetBytesProcessed(state.iterations() * kFileSize);
}

void BM_WritePlain(benchmark::State &state) {
    WriteFile(state, false);
}
void BM_WriteScrambled(benchmark::State &state) {
    WriteFile(state, true);
}
void BM_ReadPlain(benchmark::State &state) {
    ReadFile(state, false);
}
void BM_ReadScrambled(benchmark::State &state) {
    ReadFile(state, true);
}

// Fixed work per run (each iteration moves the whole file), repeated for a median.
void Settings(benchmark::internal::Benchmark *benchmark) {
    benchmark->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(4)->Repetitions(3);
}

// Each scrambled run follows its plain counterpart directly, so both see the machine alike.
BENCHMARK(BM_WritePlain)->Apply(Settings);
BENCHMARK(BM_WriteScrambled)->Apply(Settings);
BENCHMARK(BM_ReadPlain)->Apply(Settings);
BENCHMARK(BM_ReadScrambled)->Apply(Settings);

// Keeps the median throughput of every benchmark for the ratio printed at the end.
class TRatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                Throughput[run.run_name.function_name] = run.counters.at("bytes_per_second");
        }
    }

    std::map<std::string, double> Throughput;
};

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    TRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    QFile::remove(FromCp1251(TempFile()));

    const auto ratio = [&](const char *scrambled, const char *plain) {
        const auto s = reporter.Throughput.find(scrambled);
        const auto p = reporter.Throughput.find(plain);
        if (s == reporter.Throughput.end() || p == reporter.Throughput.end() || p->second <= 0)
            return;
        std::printf("%-18s %8.1f MiB/s vs plain %8.1f MiB/s: ratio %.2f (goal >= 0.50)\n",
                    scrambled, s->second / (1 << 20), p->second / (1 << 20), s->second / p->second);
    };
    ratio("BM_WriteScrambled", "BM_WritePlain");
    ratio("BM_ReadScrambled", "BM_ReadPlain");
    benchmark::Shutdown();
    return 0;
}

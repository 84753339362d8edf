// Compares the MD5 throughput of this project's code with OpenSSL's on the same in-memory
// buffer, in the same process, and prints the ratio. The buffer fits the caches, so both
// measure the compression function, not the memory.
#include <benchmark/benchmark.h>
#include <openssl/evp.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "digest/md5.h"

namespace {

const std::vector<std::uint8_t>& Buffer() {
    static const std::vector<std::uint8_t> buffer = [] {
        std::vector<std::uint8_t> bytes(256 << 10);
        for (std::size_t i = 0; i < bytes.size(); ++i)
            bytes[i] = static_cast<std::uint8_t>(i * 131);
        return bytes;
    }();
    return buffer;
}

void ProjectMd5(benchmark::State& state) {
    const auto& buffer = Buffer();
    for (auto _ : state) benchmark::DoNotOptimize(Md5(buffer.data(), buffer.size()));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * buffer.size()));
}

void OpenSslMd5(benchmark::State& state) {
    const auto& buffer = Buffer();
    unsigned char digest[16];
    for (auto _ : state) {
        EVP_Digest(buffer.data(), buffer.size(), digest, nullptr, EVP_md5(), nullptr);
        benchmark::DoNotOptimize(digest);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * buffer.size()));
}

BENCHMARK(ProjectMd5)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(OpenSslMd5)->Repetitions(7)->ReportAggregatesOnly(true);

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.aggregate_name == "median")
                median_speed_[run.run_name.function_name] = run.counters.at("bytes_per_second");
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("MD5 throughput, this project / OpenSSL (median of 7): %.3f\n",
                    median_speed_["ProjectMd5"] / median_speed_["OpenSslMd5"]);
    }

private:
    std::map<std::string, double> median_speed_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
}

// Reading large return files: details per second and the memory it takes.
// The files are generated in memory: 200,000 Bradesco CNAB 400 details, and
// 200,000 Sicoob CNAB 240 titles (a T and a U segment each).
//
// Memory is reported two ways: peak_rss_MB is the process's peak resident
// size (getrusage; it includes the generated files and only ever grows), and
// heap_peak_MB is the most heap the read itself held at once, counted by the
// allocation hooks below.

#include "cnab/retorno/retorno.h"

#include <benchmark/benchmark.h>

#include <malloc.h>
#include <sys/resource.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <new>

namespace {

std::atomic<long long> g_live{0};
std::atomic<long long> g_peak{0};

void track(long long delta)
{
    const long long now = g_live.fetch_add(delta, std::memory_order_relaxed) + delta;
    long long peak = g_peak.load(std::memory_order_relaxed);
    while (now > peak && !g_peak.compare_exchange_weak(peak, now, std::memory_order_relaxed)) {
    }
}

} // namespace

void* operator new(std::size_t n)
{
    void* p = std::malloc(n == 0 ? 1 : n);
    if (!p)
        throw std::bad_alloc();
    track(static_cast<long long>(malloc_usable_size(p)));
    return p;
}

void operator delete(void* p) noexcept
{
    if (p) {
        track(-static_cast<long long>(malloc_usable_size(p)));
        std::free(p);
    }
}

void operator delete(void* p, std::size_t) noexcept
{
    operator delete(p);
}

namespace {

constexpr int kDetails = 200000;

void put(std::string& record, int from, const char* format, long long value)
{
    char buf[32];
    const int n = std::snprintf(buf, sizeof buf, format, value);
    record.replace(static_cast<std::size_t>(from - 1), static_cast<std::size_t>(n), buf);
}

const std::string& bradescoFile()
{
    static const std::string file = [] {
        std::string out;
        out.reserve(static_cast<std::size_t>(kDetails + 2) * 402);
        std::string header(400, ' ');
        header.replace(0, 9, "02RETORNO");
        out += header + "\r\n";
        static const char* codes[] = {"02", "06", "06", "09", "17", "06", "28", "10"};
        for (int i = 0; i < kDetails; ++i) {
            std::string r(400, '0');
            r.replace(0, 37, "1021209587000017000000901467001966");
            r.replace(37, 34, "9P                                 ");
            put(r, 71, "%011lld", 5135000000LL + i);
            r[81] = "0123456789P"[i % 11];
            r.replace(108, 2, codes[i % 8]);
            r.replace(110, 6, "150515");
            put(r, 117, "DOC%07lld", i);
            r.replace(146, 6, i % 3 == 0 ? "000000" : "250515");
            put(r, 153, "%013lld", 10000 + i);
            put(r, 254, "%013lld", 10000 + i + i % 100);
            put(r, 267, "%013lld", i % 100);
            r.replace(295, 6, "160515");
            r.replace(301, 93, std::string(93, ' '));
            put(r, 395, "%06lld", i + 2);
            out += r + "\r\n";
        }
        std::string trailer(400, ' ');
        trailer[0] = '9';
        out += trailer + "\r\n";
        return out;
    }();
    return file;
}

const std::string& sicoobFile()
{
    static const std::string file = [] {
        std::string out;
        out.reserve(static_cast<std::size_t>(kDetails) * 2 * 242 + 1024);
        out += "75600000         282991308000100\r\n75600011T01  043 2082991308000100\r\n";
        for (int i = 0; i < kDetails; ++i) {
            std::string t(223, ' ');
            t.replace(0, 15, "7560001300001T ");
            t.replace(15, 2, i % 5 == 0 ? "02" : "06");
            t.replace(17, 20, "03039000000004898160");
            put(t, 38, "%09lld", i + 1);
            t.replace(46, 12, "301011     1");
            put(t, 59, "%015lld", i);
            t.replace(73, 8, "13082015");
            put(t, 82, "%015lld", 200 + i);
            std::string u(233, '0');
            u.replace(0, 17, "7560001300002U 06");
            put(u, 78, "%015lld", 200 + i);
            u.replace(137, 16, "1008201510082015");
            u.replace(153, 4, "    ");
            out += t + "\r\n" + u + "\r\n";
        }
        out += "75600015         000008\r\n75699999         000001000010000000\r\n";
        return out;
    }();
    return file;
}

double peakRssMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;   // KiB on Linux
}

void report(benchmark::State& state, const std::string& file, long long heapPeak)
{
    state.SetItemsProcessed(state.iterations() * kDetails);
    state.SetBytesProcessed(state.iterations() * static_cast<long long>(file.size()));
    state.counters["file_MB"] = static_cast<double>(file.size()) / (1024.0 * 1024.0);
    state.counters["heap_peak_MB"] = static_cast<double>(heapPeak) / (1024.0 * 1024.0);
    state.counters["peak_rss_MB"] = peakRssMb();
}

// Rows handed on one by one, as the command-line tool prints them.
void readStreaming(benchmark::State& state, fin::cnab::ReturnReaderFn reader, const std::string& file)
{
    long long heapPeak = 0;
    for (auto _ : state) {
        long long rows = 0;
        const long long base = g_live.load();
        g_peak.store(base);
        reader(file, "C:\\retorno\\arquivo.ret", [&rows](fin::cnab::ReturnRow&& row) {
            benchmark::DoNotOptimize(row);
            ++rows;
        });
        heapPeak = std::max(heapPeak, g_peak.load() - base);
        if (rows != kDetails)
            state.SkipWithError("wrong number of rows");
    }
    report(state, file, heapPeak);
}

// Every row kept, as the window's return table keeps them.
void readCollecting(benchmark::State& state, fin::cnab::ReturnReaderFn reader, const std::string& file)
{
    long long heapPeak = 0;
    for (auto _ : state) {
        const long long base = g_live.load();
        g_peak.store(base);
        auto rows = fin::cnab::ReaderChoice{reader, {}}.readAll(file, "C:\\retorno\\arquivo.ret");
        heapPeak = std::max(heapPeak, g_peak.load() - base);
        if (rows.size() != kDetails)
            state.SkipWithError("wrong number of rows");
        benchmark::DoNotOptimize(rows);
    }
    report(state, file, heapPeak);
}

void BM_Bradesco400_Streaming(benchmark::State& state)
{
    readStreaming(state, fin::cnab::readBradesco400, bradescoFile());
}

void BM_Sicoob240_Streaming(benchmark::State& state)
{
    readStreaming(state, fin::cnab::readSicoob240, sicoobFile());
}

void BM_Bradesco400_Collecting(benchmark::State& state)
{
    readCollecting(state, fin::cnab::readBradesco400, bradescoFile());
}

} // namespace

BENCHMARK(BM_Bradesco400_Streaming)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Sicoob240_Streaming)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Bradesco400_Collecting)->Unit(benchmark::kMillisecond);

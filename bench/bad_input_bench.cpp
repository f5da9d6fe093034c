// Big plain files within their ceilings: a 16 MiB settings file of blank lines at start-up, and
// 256 MiB deck files of line breaks or of rows naming no card, read by the main window's
// reader and by the deck library's look, which "中止" must stop within the file. Each file is
// written once per run under the temporary folder and removed at the end.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QStandardPaths>
#include <atomic>
#include <chrono>
#include <fstream>
#include <memory>
#include <thread>

#include "app/startup.h"
#include "bench_data.h"
#include "bench_pools.h"
#include "deckfile/deck_file_format.h"
#include "deckfile/deck_file_reader.h"
#include "platform/code_page.h"
#include "platform/user_store.h"
#include "settings/settings_store.h"
#include "tools/deck_library.h"

namespace {

namespace fs = std::filesystem;
constexpr size_t kDeckFileBytes = size_t{256} << 20;
constexpr size_t kSettingsBytes = size_t{16} << 20;

fs::path BenchFolder(const char* name) {
    const fs::path folder = fs::temp_directory_path() / ("zemlo-bench-" + std::to_string(::getpid())) / name;
    fs::create_directories(folder);
    return folder;
}

void WriteFile(const fs::path& path, const std::string& head, const std::string& unit, size_t size) {
    std::ofstream out(path, std::ios::binary);
    out << head;
    std::string block;
    while (block.size() < (size_t{1} << 20)) block += unit;
    for (size_t written = head.size(); written < size; written += block.size()) {
        out.write(block.data(), static_cast<std::streamsize>(std::min(block.size(), size - written)));
    }
}

std::string DeckHead() {
    return zemlo::EncodeCp932(std::u16string(zemlo::deck_file::kSignature) + u"\r\n" +
                              std::u16string(zemlo::deck_file::kUnitHeading) +
                              u"\r\n<TR>\r\n<TD noWrap>No</TD>\r\n</TR>\r\n");
}

// The 256 MiB deck file of one kind: "breaks" or "unknown" rows.
const fs::path& DeckFile(const std::string& kind) {
    static const fs::path breaks = [] {
        const fs::path path = BenchFolder("breaks") / "breaks.htm";
        WriteFile(path, DeckHead(), "\r\n", kDeckFileBytes);
        return path;
    }();
    static const fs::path unknown = [] {
        const fs::path path = BenchFolder("unknown") / "unknown.htm";
        WriteFile(path, DeckHead(), "<TR>\r\n<TD noWrap>ZX9999</TD>\r\n</TR>\r\n", kDeckFileBytes);
        return path;
    }();
    return kind == "breaks" ? breaks : unknown;
}

// The peak resident memory of a child that reads the file, and of one that reads nothing.
void ReportPeakMemory(benchmark::State& state, const fs::path& path, const zemlo::CardDatabase& db) {
    const auto childPeakMiB = [&](bool read) {
        const pid_t child = ::fork();
        if (child == 0) {
            if (read) benchmark::DoNotOptimize(zemlo::ReadDeckFile(path, db).skippedRows);
            ::_exit(0);
        }
        int status = 0;
        struct rusage usage {};
        ::wait4(child, &status, 0, &usage);
        return static_cast<double>(usage.ru_maxrss) / 1024.0;
    };
    const double before = childPeakMiB(false);
    state.counters["peakMiB"] = childPeakMiB(true);
    state.counters["beforeMiB"] = before;
    state.counters["fileMiB"] = static_cast<double>(fs::file_size(path)) / (1 << 20);
}

void ReadBigDeckFile(benchmark::State& state, const std::string& kind) {
    const zemlo::CardDatabase& db = zemlo::bench::Pool(state.range(0)).db;
    const fs::path& path = DeckFile(kind);
    size_t skipped = 0;
    for (auto _ : state) skipped = zemlo::ReadDeckFile(path, db).skippedRows;
    state.counters["skippedRows"] = static_cast<double>(skipped);
    ReportPeakMemory(state, path, db);
}

void BM_ReadDeckFile_256MiBLineBreaks(benchmark::State& state) {
    ReadBigDeckFile(state, "breaks");
}
void BM_ReadDeckFile_256MiBUnknownRows(benchmark::State& state) {
    ReadBigDeckFile(state, "unknown");
}

// From "中止" to the library's look ending, while it reads the 256 MiB file of unknown rows.
void BM_LibraryCancel_256MiB(benchmark::State& state) {
    const zemlo::CardDatabase& db = zemlo::bench::Pool(state.range(0)).db;
    const fs::path folder = DeckFile("unknown").parent_path();
    zemlo::PrepareCardLookups(db);
    for (auto _ : state) {
        std::atomic<bool> cancel{false};
        std::chrono::steady_clock::time_point ended;
        std::thread look([&] {
            benchmark::DoNotOptimize(zemlo::IndexLibrary(folder, db, nullptr, nullptr, &cancel));
            ended = std::chrono::steady_clock::now();
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        const auto asked = std::chrono::steady_clock::now();
        cancel = true;
        look.join();
        state.SetIterationTime(std::chrono::duration<double>(ended - asked).count());
    }
}

// Start-up with a settings file of 16 MiB of blank lines beside the card data; compare with
// BM_Startup at the same pool.
void BM_Startup_16MiBBlankSettings(benchmark::State& state) {
    zemlo::bench::BenchApp();
    QStandardPaths::setTestModeEnabled(true);
    const QString store = QStringLiteral("zemlo-bench");
    zemlo::UserStore(store).Save("BOOT", "CNT", "1");
    const fs::path dir = BenchFolder("settings");
    fs::copy_file(zemlo::bench::PoolDir(state.range(0)) / "ZEMLO.dat", dir / "ZEMLO.dat",
                  fs::copy_options::overwrite_existing);
    for (auto _ : state) {
        state.PauseTiming();
        WriteFile(dir / "ZEMLO.ini", "", "\r\n", kSettingsBytes);
        state.ResumeTiming();
        auto startup = std::make_unique<zemlo::Startup>(dir, store);
        if (!startup->Run()) state.SkipWithError("the start-up sequence stopped");
        state.PauseTiming();
        startup.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

// Every key start-up reads, from the 16 MiB file of blank lines through the settings store.
void BM_SettingsRead_16MiBBlankLines(benchmark::State& state) {
    const fs::path dir = BenchFolder("settings-read");
    WriteFile(dir / "ZEMLO.ini", "", "\r\n", kSettingsBytes);
    for (auto _ : state) {
        const zemlo::SettingsStore settings(dir);
        for (int key = 0; key < 60; ++key) {
            benchmark::DoNotOptimize(settings.ReadSetting(u"FORM", u"KEY" + std::u16string(1, u'A' + key % 26)));
        }
    }
}

struct RemoveBenchFolder {
    ~RemoveBenchFolder() {
        std::error_code ec;
        fs::remove_all(fs::temp_directory_path() / ("zemlo-bench-" + std::to_string(::getpid())), ec);
    }
} removeBenchFolder;

}  // namespace

BENCHMARK(BM_ReadDeckFile_256MiBLineBreaks)->Arg(zemlo::bench::kSamplePool)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ReadDeckFile_256MiBUnknownRows)->Arg(zemlo::bench::kSamplePool)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_LibraryCancel_256MiB)->Arg(zemlo::bench::kSamplePool)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();
BENCHMARK(BM_Startup_16MiBBlankSettings)->Arg(zemlo::bench::kSamplePool)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SettingsRead_16MiBBlankLines)->Arg(zemlo::bench::kSamplePool)->Unit(benchmark::kMillisecond);

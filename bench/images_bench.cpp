// Card images: looking through a folder of 100,000 image files (in 100 folders, named by card
// numbers of all three kinds, the sample's among them) and finding every card of the pool in the
// index; the GUI thread's work for one step through the catalog with the card image window open
// (the card information filled and painted, the window following, decoded pictures taken in and the
// window painted), with images for half the cards stepped through, and the same with the
// window closed; and decoding one scan at 300 dpi
// into the window's box, the work the loader's thread does per picture.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QThread>
#include <string>
#include <vector>

#include "bench_data.h"
#include "bench_pools.h"
#include "cardinfo/card_info_panel.h"
#include "images/card_image_view.h"
#include "images/card_image_window.h"
#include "images/image_decoder.h"
#include "images/image_folder.h"
#include "images/image_index.h"
#include "images/image_limits.h"
#include "images/image_loader.h"
#include "platform/code_page.h"
#include "settings/settings_store.h"

namespace {

using zemlo::CardKind;
using zemlo::bench::Pool;

namespace fs = std::filesystem;

// A folder removed when the run ends.
class BenchFolder {
public:
    explicit BenchFolder(const char* name)
        : path_(fs::temp_directory_path() /
                (std::string(name) + "-" + std::to_string(::getpid()))) {
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~BenchFolder() { fs::remove_all(path_); }
    const fs::path& Path() const { return path_; }

private:
    fs::path path_;
};

// 100,000 empty image files in 100 folders: one for every card of the largest pool, which
// holds every card number of the sample's too, and the rest numbers no card has.
const fs::path& HundredThousandImages() {
    static const BenchFolder folder("zemlo-bench-images");
    static const bool written = [] {
        const zemlo::CardDatabase& db = Pool(zemlo::bench::kLargestPool).db;
        std::vector<std::string> names;
        for (CardKind kind : {CardKind::Unit, CardKind::Mission, CardKind::Character}) {
            const zemlo::CardTable& table = db.Table(kind);
            for (int record = 0; record < table.Count(); ++record) {
                names.push_back(zemlo::ToUtf8(table.Cell(1, record)));
            }
        }
        for (int extra = 0; names.size() < 100000; ++extra) {
            names.push_back("ZMY" + std::to_string(extra));
        }
        for (std::size_t i = 0; i < names.size(); ++i) {
            const fs::path sub = folder.Path() / ("set" + std::to_string(i % 100));
            if (i < 100) fs::create_directories(sub);
            const fs::path file = sub / (names[i] + (i % 2 == 0 ? ".png" : ".JPG"));
            const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (fd >= 0) ::close(fd);
        }
        return true;
    }();
    (void)written;
    return folder.Path();
}

void BM_IndexImages_100000(benchmark::State& state) {
    const zemlo::CardDatabase& db = Pool(state.range(0)).db;
    const fs::path& folder = HundredThousandImages();
    std::size_t cards = 0;
    std::size_t found = 0;
    for (auto _ : state) {
        const zemlo::ImageIndex index = zemlo::IndexImages(folder);
        cards = index.Cards();
        found = 0;
        for (CardKind kind : {CardKind::Unit, CardKind::Mission, CardKind::Character}) {
            const zemlo::CardTable& table = db.Table(kind);
            for (int record = 0; record < table.Count(); ++record) {
                found += index.Find(table.Cell(1, record)) != nullptr;
            }
        }
    }
    state.counters["cards"] = static_cast<double>(cards);
    state.counters["poolCardsFound"] = static_cast<double>(found);
}

// A scan of a card at 300 dpi, as a player's scanner writes it.
QByteArray ScanJpeg(int seed) {
    QImage scan(744, 1039, QImage::Format_RGB32);
    QPainter painter(&scan);
    painter.fillRect(scan.rect(), QColor::fromHsv(seed * 37 % 360, 160, 200));
    for (int band = 0; band < 40; ++band) {
        painter.fillRect(0, band * 26, 744, 13,
                         QColor::fromHsv((seed * 37 + band * 9) % 360, 90, 120));
    }
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    scan.save(&buffer, "JPEG", 85);
    return bytes;
}

// Steps through the catalog's first units, the card information shown and painted; with the
// card image window open or closed.
void ShowCardSteps(benchmark::State& state, bool imageWindowOpen) {
    zemlo::bench::BenchApp();
    const zemlo::CardDatabase& db = Pool(state.range(0)).db;
    const BenchFolder program("zemlo-bench-shown");
    const int steps = std::min(120, db.units.Count());
    fs::create_directories(program.Path() / "images");
    for (int record = 0; record < steps; record += 2) {
        const std::string name = zemlo::ToUtf8(db.units.Cell(1, record)) + ".jpg";
        const QByteArray scan = ScanJpeg(record);
        const int fd = ::open((program.Path() / "images" / name).c_str(), O_WRONLY | O_CREAT, 0644);
        if (fd < 0 || ::write(fd, scan.constData(), scan.size()) != scan.size()) {
            state.SkipWithError("cannot write the images");
        }
        if (fd >= 0) ::close(fd);
    }
    zemlo::SettingsStore settings(program.Path());
    zemlo::ImageFolder folder(settings, program.Path());
    zemlo::ImageLoader loader(zemlo::kImageCacheBytes);
    QWidget main;
    main.resize(940, 730);
    zemlo::CardInfoPanel panel(db, &main);
    zemlo::CardImageWindow window(db, folder, loader, settings, &main);
    QObject::connect(&panel, &zemlo::CardInfoPanel::shownCardChanged, &window,
                     &zemlo::CardImageWindow::Follow);
    main.show();
    folder.Start();
    while (folder.Looking()) {
        QCoreApplication::processEvents();
        QThread::msleep(1);
    }
    if (imageWindowOpen) {
        window.Open();
        window.resize(420, 640);
    }
    QCoreApplication::processEvents();
    int record = 0;
    for (auto _ : state) {
        panel.ShowCard(CardKind::Unit,
                       QString::fromStdU16String(std::u16string(db.units.Cell(1, record))));
        QCoreApplication::processEvents();
        if (imageWindowOpen) window.view->repaint();
        record = (record + 1) % steps;
    }
    state.counters["cacheMB"] = static_cast<double>(loader.CacheBytes()) / 1e6;
}

void BM_ShowCardWithImage(benchmark::State& state) {
    ShowCardSteps(state, true);
}

// The same steps with the card image window closed: what the window adds is the difference.
void BM_ShowCardImageWindowClosed(benchmark::State& state) {
    ShowCardSteps(state, false);
}

void BM_DecodeCardImage(benchmark::State& state) {
    zemlo::bench::BenchApp();
    const QByteArray scan = ScanJpeg(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const zemlo::DecodedImage decoded = zemlo::DecodeImage(scan, QSize(408, 570), true);
        benchmark::DoNotOptimize(decoded.image.constBits());
    }
    state.counters["fileKB"] = static_cast<double>(scan.size()) / 1e3;
}

}  // namespace

ZEMLO_BOTH_POOLS(BM_IndexImages_100000);
ZEMLO_BOTH_POOLS(BM_ShowCardWithImage);
ZEMLO_BOTH_POOLS(BM_ShowCardImageWindowClosed);
ZEMLO_BOTH_POOLS(BM_DecodeCardImage);

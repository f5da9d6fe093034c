// Catalog filters and start-up list building on the largest card database (32,767 cards of
// each kind, written by the bench_data target). A refilter is measured with the catalog model
// reset behind a list view, as the window does it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListView>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/program_state.h"
#include "bench_data.h"
#include "carddb/card_fields.h"
#include "carddb/card_loader.h"
#include "catalog/catalog_choices.h"
#include "catalog/catalog_filters.h"
#include "catalog/catalog_list_model.h"
#include "catalog/catalog_order.h"
#include "ui/main_window.h"

namespace {

using zemlo::CardDatabase;
using zemlo::CardKind;
QApplication& App() {
    static int argc = 1;
    static char name[] = "catalog_bench";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        auto* created = new QApplication(argc, argv);
        QApplication::setStyle("Fusion");
        return created;
    }();
    return *app;
}

void FillDatabase(CardDatabase& db) {
    zemlo::LoadCardData(db, zemlo::bench::LargestDir());
}

// One database, its choices and three catalog models behind list views, shared by all runs.
struct Catalogs {
    Catalogs() {
        App();
        FillDatabase(db);
        if (db.units.Count() == 0)
            std::fprintf(stderr, "no card data; build the bench_data target\n");
        choices = zemlo::BuildCatalogChoices(db);
        for (CardKind kind : {CardKind::Unit, CardKind::Mission, CardKind::Character}) {
            const int k = static_cast<int>(kind);
            order[k] = zemlo::CatalogOrder(db, kind);
            model[k] = std::make_unique<zemlo::CatalogListModel>();
            model[k]->SetEntries(order[k]);
            view[k] = std::make_unique<QListView>();
            view[k]->setUniformItemSizes(true);
            view[k]->setModel(model[k].get());
            view[k]->resize(400, 300);
        }
    }
    void Show(CardKind kind, const std::vector<int>& passing) {
        const int k = static_cast<int>(kind);
        model[k]->SetRecords(order[k].InCatalogOrder(passing));
        view[k]->scrollToTop();
    }
    // A range over the choice list with the given positions.
    static zemlo::RangeCondition Range(const std::vector<std::u16string>& entries, int low,
                                       int high) {
        return {low, high, static_cast<int>(entries.size()) - 1, entries[low], entries[high]};
    }

    CardDatabase db;
    zemlo::CatalogChoices choices;
    zemlo::CatalogOrder order[3];
    std::unique_ptr<zemlo::CatalogListModel> model[3];
    std::unique_ptr<QListView> view[3];
};

Catalogs& Shared() {
    static Catalogs catalogs;
    return catalogs;
}

zemlo::UnitConditions UnitCondition(int which) {
    Catalogs& c = Shared();
    zemlo::UnitConditions u;
    const auto& ch = c.choices;
    const bool all = which < 0;
    if (all || which == 0) u.teams[3].checked = u.teams[15].checked = false;
    if (all || which == 1) u.terrain = {{true, true, false, false}, zemlo::TerrainMode::And};
    if (all || which == 2) u.rollOut = Catalogs::Range(ch.rollOut, 1, ch.rollOut.size() - 2);
    if (all || which == 3) u.hp = Catalogs::Range(ch.hp, 2, ch.hp.size() - 1);
    if (all || which == 4) u.nearPower = Catalogs::Range(ch.nearPower, 0, 6);
    if (all || which == 5) u.farPower = Catalogs::Range(ch.farPower, 1, 7);
    if (all || which == 6) u.excludeBeam = true;
    if (all || which == 7) u.ability = {3, ch.abilities[3]};
    if (all || which == 8) u.function = {2, ch.functions[2]};
    if (all || which == 9) u.devLines[0] = {1, ch.devLines[1]};
    if (all || which == 10) u.unitLines[1] = {4, ch.unitLines[4]};
    if (all || which == 11) u.designConds[0] = {2, ch.designConds[2]};
    return u;
}

const char* const kUnitConditionNames[] = {"affiliation", "terrain",  "rollOut",  "hp",
                                           "nearPower",   "farPower", "beam",     "ability",
                                           "function",    "devLine",  "unitLine", "designCond"};

void BM_RefilterUnits(benchmark::State& state, int which) {
    Catalogs& c = Shared();
    const zemlo::UnitConditions conditions = UnitCondition(which);
    for (auto _ : state) {
        c.Show(CardKind::Unit, zemlo::FilterUnits(c.db.units, conditions));
    }
    state.counters["shown"] = c.model[0]->rowCount();
}

void BM_RefilterMissions(benchmark::State& state) {
    Catalogs& c = Shared();
    zemlo::MissionConditions m;
    m.terrain = {{true, false, true, false}, zemlo::TerrainMode::Or};
    m.points = Catalogs::Range(c.choices.missionPoints, 2, c.choices.missionPoints.size() - 1);
    m.unitsNeededText = c.choices.unitsNeeded[2];
    for (auto _ : state) {
        c.Show(CardKind::Mission, zemlo::FilterMissions(c.db.missions, m));
    }
    state.counters["shown"] = c.model[1]->rowCount();
}

void BM_RefilterCharacters(benchmark::State& state) {
    Catalogs& c = Shared();
    zemlo::CharacterConditions ch;
    ch.teams[0].checked = ch.teams[14].checked = false;
    ch.points = Catalogs::Range(c.choices.characterPoints, 1, c.choices.characterPoints.size() - 1);
    ch.timing = {1, c.choices.timings[1]};
    for (auto _ : state) {
        c.Show(CardKind::Character, zemlo::FilterCharacters(c.db.characters, ch));
    }
    state.counters["shown"] = c.model[2]->rowCount();
}

// The list building of start-up: every choice list, every entry text and its order.
void BM_FormInitLists(benchmark::State& state) {
    Catalogs& c = Shared();
    for (auto _ : state) {
        benchmark::DoNotOptimize(zemlo::BuildCatalogChoices(c.db));
        for (CardKind kind : {CardKind::Unit, CardKind::Mission, CardKind::Character}) {
            zemlo::CatalogOrder order(c.db, kind);
            zemlo::CatalogListModel model;
            model.SetEntries(order);
            benchmark::DoNotOptimize(order.Sorted().data());
        }
    }
}

// The whole FormInit of the main window: combo boxes filled and selected, the three
// catalogs built and filtered.
void BM_MainWindowFormInit(benchmark::State& state) {
    Catalogs& c = Shared();
    zemlo::ProgramState program(std::filesystem::temp_directory_path());
    program.db = c.db;
    program.highlightOn = true;
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<zemlo::MainWindow>(program);
        state.ResumeTiming();
        window->FormInit();
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}

[[maybe_unused]] const bool kRegistered = [] {
    for (int which = 0; which < 12; ++which) {
        benchmark::RegisterBenchmark(
            (std::string("BM_RefilterUnits/") + kUnitConditionNames[which]).c_str(),
            [which](benchmark::State& s) { BM_RefilterUnits(s, which); })
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("BM_RefilterUnits/all", [](benchmark::State& s) {
        BM_RefilterUnits(s, -1);
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_RefilterUnits/startup", [](benchmark::State& s) {
        BM_RefilterUnits(s, 99);
    })->Unit(benchmark::kMillisecond);
    return true;
}();

}  // namespace

BENCHMARK(BM_RefilterMissions)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefilterCharacters)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FormInitLists)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MainWindowFormInit)->Unit(benchmark::kMillisecond)->Iterations(5);

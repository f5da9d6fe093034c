// Catalog filters and FormInit at both pools. A refilter is measured with the catalog model
// reset behind a list view, as the window does it.
#include <benchmark/benchmark.h>

#include <QListView>
#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bench_data.h"
#include "bench_pools.h"
#include "carddb/card_fields.h"
#include "catalog/catalog_choices.h"
#include "catalog/catalog_filters.h"
#include "catalog/catalog_list_model.h"
#include "catalog/catalog_order.h"
#include "ui/main_window.h"
#include "ui/program_state.h"

namespace {

using zemlo::CardKind;

// One pool's three catalog models behind list views.
struct Catalogs {
    explicit Catalogs(long long pool) : loaded(zemlo::bench::Pool(pool)) {
        zemlo::bench::BenchApp();
        for (CardKind kind : {CardKind::Unit, CardKind::Mission, CardKind::Character}) {
            const int k = static_cast<int>(kind);
            order[k] = zemlo::CatalogOrder(loaded.db, kind);
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
    // A range over the choice list between two positions, kept inside the list.
    static zemlo::RangeCondition Range(const std::vector<std::u16string>& entries, int low,
                                       int high) {
        const int last = static_cast<int>(entries.size()) - 1;
        low = std::clamp(low, 0, last);
        high = std::clamp(high, low, last);
        return {low, high, last, entries[low], entries[high]};
    }
    static zemlo::ChoiceCondition Choice(const std::vector<std::u16string>& entries, int index) {
        index = std::min(index, static_cast<int>(entries.size()) - 1);
        return {index, entries[index]};
    }

    zemlo::bench::LoadedPool& loaded;
    zemlo::CatalogOrder order[3];
    std::unique_ptr<zemlo::CatalogListModel> model[3];
    std::unique_ptr<QListView> view[3];
};

Catalogs& Shared(long long pool) {
    static std::map<long long, std::unique_ptr<Catalogs>> catalogs;
    auto& c = catalogs[pool];
    if (!c) c = std::make_unique<Catalogs>(pool);
    return *c;
}

const char* const kUnitConditionNames[] = {"Affiliation", "Terrain",  "RollOut",  "Hp",
                                           "NearPower",   "FarPower", "Beam",     "Ability",
                                           "Function",    "DevLine",  "UnitLine", "DesignCond"};
constexpr int kUnitConditionCount = 12;

// One unit condition (which), every condition (-1) or none, as at start-up (any other).
zemlo::UnitConditions UnitCondition(const zemlo::CatalogChoices& ch, int which) {
    zemlo::UnitConditions u;
    const bool all = which < 0;
    if (all || which == 0) u.teams[3].checked = u.teams[15].checked = false;
    if (all || which == 1) u.terrain = {{true, true, false, false}, zemlo::TerrainMode::And};
    if (all || which == 2)
        u.rollOut = Catalogs::Range(ch.rollOut, 1, static_cast<int>(ch.rollOut.size()) - 2);
    if (all || which == 3) u.hp = Catalogs::Range(ch.hp, 2, static_cast<int>(ch.hp.size()) - 1);
    if (all || which == 4) u.nearPower = Catalogs::Range(ch.nearPower, 0, 6);
    if (all || which == 5) u.farPower = Catalogs::Range(ch.farPower, 1, 7);
    if (all || which == 6) u.excludeBeam = true;
    if (all || which == 7) u.ability = Catalogs::Choice(ch.abilities, 3);
    if (all || which == 8) u.function = Catalogs::Choice(ch.functions, 2);
    if (all || which == 9) u.devLines[0] = Catalogs::Choice(ch.devLines, 1);
    if (all || which == 10) u.unitLines[1] = Catalogs::Choice(ch.unitLines, 4);
    if (all || which == 11) u.designConds[0] = Catalogs::Choice(ch.designConds, 2);
    return u;
}

void RefilterUnits(benchmark::State& state, int which) {
    Catalogs& c = Shared(state.range(0));
    const zemlo::UnitConditions conditions = UnitCondition(c.loaded.choices, which);
    for (auto _ : state) {
        c.Show(CardKind::Unit, zemlo::FilterUnits(c.loaded.db.units, conditions));
    }
    state.counters["shown"] = c.model[0]->rowCount();
}

void BM_RefilterMissions(benchmark::State& state) {
    Catalogs& c = Shared(state.range(0));
    const auto& ch = c.loaded.choices;
    zemlo::MissionConditions m;
    m.terrain = {{true, false, true, false}, zemlo::TerrainMode::Or};
    m.points = Catalogs::Range(ch.missionPoints, 2, static_cast<int>(ch.missionPoints.size()) - 1);
    m.unitsNeededText = Catalogs::Choice(ch.unitsNeeded, 2).text;
    for (auto _ : state) {
        c.Show(CardKind::Mission, zemlo::FilterMissions(c.loaded.db.missions, m));
    }
    state.counters["shown"] = c.model[1]->rowCount();
}

void BM_RefilterCharacters(benchmark::State& state) {
    Catalogs& c = Shared(state.range(0));
    const auto& chs = c.loaded.choices;
    zemlo::CharacterConditions ch;
    ch.teams[0].checked = ch.teams[14].checked = false;
    ch.points =
        Catalogs::Range(chs.characterPoints, 1, static_cast<int>(chs.characterPoints.size()) - 1);
    ch.timing = Catalogs::Choice(chs.timings, 1);
    for (auto _ : state) {
        c.Show(CardKind::Character, zemlo::FilterCharacters(c.loaded.db.characters, ch));
    }
    state.counters["shown"] = c.model[2]->rowCount();
}

// The list building of start-up alone: every choice list, every entry text and its order.
void BM_FormInitLists(benchmark::State& state) {
    Catalogs& c = Shared(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(zemlo::BuildCatalogChoices(c.loaded.db));
        for (CardKind kind : {CardKind::Unit, CardKind::Mission, CardKind::Character}) {
            zemlo::CatalogOrder order(c.loaded.db, kind);
            zemlo::CatalogListModel model;
            model.SetEntries(order);
            benchmark::DoNotOptimize(order.Sorted().data());
        }
    }
}

// The whole FormInit of the main window: combo boxes filled and selected, the three
// catalogs built and filtered.
void BM_FormInit(benchmark::State& state) {
    zemlo::bench::BenchApp();
    zemlo::ProgramState program(std::filesystem::temp_directory_path());
    program.db = zemlo::bench::Pool(state.range(0)).db;
    static_cast<void>(program.settings.WriteSetting(u"FORM", u"KYOUTYOU", u"1"));
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
    auto both = [](benchmark::internal::Benchmark* b) {
        b->Arg(zemlo::bench::kSamplePool)
            ->Arg(zemlo::bench::kLargestPool)
            ->Unit(benchmark::kMillisecond);
    };
    for (int which = 0; which < kUnitConditionCount; ++which) {
        both(benchmark::RegisterBenchmark(
            (std::string("BM_RefilterUnits_") + kUnitConditionNames[which]).c_str(),
            [which](benchmark::State& s) { RefilterUnits(s, which); }));
    }
    both(benchmark::RegisterBenchmark("BM_RefilterUnits_AllConditions",
                                      [](benchmark::State& s) { RefilterUnits(s, -1); }));
    both(benchmark::RegisterBenchmark("BM_RefilterUnits_NoCondition",
                                      [](benchmark::State& s) { RefilterUnits(s, 99); }));
    return true;
}();

}  // namespace

ZEMLO_BOTH_POOLS(BM_RefilterMissions);
ZEMLO_BOTH_POOLS(BM_RefilterCharacters);
ZEMLO_BOTH_POOLS(BM_FormInitLists);
ZEMLO_BOTH_POOLS(BM_FormInit);

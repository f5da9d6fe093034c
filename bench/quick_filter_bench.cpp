// The catalogs' quick filter at both pools: one keystroke is folding the bar's text,
// narrowing the units the condition panel lets through (all of them, or every other one),
// with the catalog model reset behind a list view, and counting the matches the conditions
// hide ("条件外"), as the window does it. The folded texts are made before the timing starts;
// making them, once per card database, is measured on its own.
#include <benchmark/benchmark.h>

#include <QListView>
#include <memory>
#include <vector>

#include "bench_data.h"
#include "bench_pools.h"
#include "carddb/qt_normaliser.h"
#include "catalog/catalog_list_model.h"
#include "catalog/catalog_order.h"
#include "catalog/quick_filter.h"

namespace {

using zemlo::CardKind;

void Keystroke(benchmark::State& state, std::u16string_view text, bool texts,
               bool everyOther = false) {
    zemlo::bench::BenchApp();
    const zemlo::CardDatabase& db = zemlo::bench::Pool(state.range(0)).db;
    const zemlo::CatalogOrder order(db, CardKind::Unit);
    zemlo::CatalogListModel model;
    model.SetEntries(order);
    QListView view;
    view.setUniformItemSizes(true);
    view.setModel(&model);
    view.resize(400, 300);
    std::vector<int> passing = order.Sorted();
    if (everyOther) std::erase_if(passing, [](int record) { return record % 2 == 1; });
    zemlo::QuickFilter filter(db, zemlo::SearchFold(zemlo::NfkcThroughQt));
    filter.Narrow(CardKind::Unit, passing, filter.Words(text), texts);  // made once
    size_t outside = 0;
    for (auto _ : state) {
        const std::vector<std::u16string> words = filter.Words(text);
        model.SetRecords(filter.Narrow(CardKind::Unit, passing, words, texts));
        view.scrollToTop();
        outside = filter.CountOutside(CardKind::Unit, passing, words, texts);
    }
    state.counters["shown"] = model.rowCount();
    state.counters["outside"] = static_cast<double>(outside);
}

// A name typed in half-width katakana, folded to the names' full width.
void BM_QuickFilter_Names(benchmark::State& state) {
    Keystroke(state, u"ｶﾞ", false);
}
// Two words of an ability's text, the first in hiragana where the card says katakana.
void BM_QuickFilter_Texts(benchmark::State& state) {
    Keystroke(state, u"ゆにっと　ＨＰ", true);
}

// The same with every other unit hidden by the conditions, each matched all the same.
void BM_QuickFilter_TextsHalfHidden(benchmark::State& state) {
    Keystroke(state, u"ゆにっと　ＨＰ", true, true);
}

// The first text search's cost: folding every text of every unit.
void BM_QuickFilter_PrepareTexts(benchmark::State& state) {
    const zemlo::CardDatabase& db = zemlo::bench::Pool(state.range(0)).db;
    std::vector<int> none;
    for (auto _ : state) {
        zemlo::QuickFilter filter(db, zemlo::SearchFold(zemlo::NfkcThroughQt));
        filter.Narrow(CardKind::Unit, none, {u"x"}, true);
        state.counters["folded_chars"] = static_cast<double>(filter.FoldedSize());
    }
}

}  // namespace

ZEMLO_BOTH_POOLS(BM_QuickFilter_Names);
ZEMLO_BOTH_POOLS(BM_QuickFilter_Texts);
ZEMLO_BOTH_POOLS(BM_QuickFilter_TextsHalfHidden);
ZEMLO_BOTH_POOLS(BM_QuickFilter_PrepareTexts);

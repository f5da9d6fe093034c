// What the window-level benchmarks share: one offscreen QApplication and, per pool, the
// loaded card database with its catalog choices.
#pragma once

#include <QApplication>

#include "carddb/card_database.h"
#include "catalog/catalog_choices.h"

namespace zemlo::bench {

QApplication& BenchApp();

struct LoadedPool {
    CardDatabase db;
    CatalogChoices choices;
};

// Loaded on first use and kept for the whole run.
LoadedPool& Pool(long long size);

}  // namespace zemlo::bench

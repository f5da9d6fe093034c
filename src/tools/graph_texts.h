// The texts the statistics graphs show: row captions, counts, tooltips and the average.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tools/graph_tally.h"

namespace zemlo {

// A name list as a tooltip: without its trailing ", "; an empty list gives "".
std::u16string NameListTip(std::u16string_view names);

// The values 0..20 that have at least one entry, ascending: the rows of a value graph.
std::vector<int> ShownValues(const ValueTally& tally);

// "3ターン", "ＨＰ：5", "近：4", "遠：6".
std::u16string ValueRowCaption(GraphKind kind, int value);
// The names of the bar; on the long-range graph the beam names follow after "：[Ｂ]→".
std::u16string ValueRowTip(const ValueBucket& bucket);
// The count; a long-range bucket with both kinds of weapon reads "5(3：2)".
std::u16string ValueCountCaption(GraphKind kind, const ValueBucket& bucket);

// The average of the shown rows, full-width: at most 15 significant digits without trailing
// zeros, cut to five characters ("２．３３３", "１０"). Empty when no entry is shown.
std::u16string AverageText(const ValueTally& tally);
// The line under the graph: the average with its words, or the no-unit message.
std::u16string AverageCaption(GraphKind kind, const ValueTally& tally);

// The dialog caption while a graph is shown.
std::u16string GraphCaption(GraphKind kind);

}  // namespace zemlo

// The deck file reader, on files up to 1 MiB, against the reading it replaced: the whole file
// decoded, split into lines and each kind's section looked for in the text. Comparing bytes
// where they stand must find the same deck, the same rows left out and the same rows skipped.
#include <algorithm>
#include <vector>

#include "carddb/deck_entry.h"
#include "deckfile/deck_file_format.h"
#include "deckfile/deck_file_reader.h"
#include "deckfile/html_escape.h"
#include "fuzz_cards.h"
#include "fuzz_input.h"
#include "fuzz_input_large.h"
#include "platform/cp932_decoder.h"
#include "platform/text_lines.h"

namespace {

const zemlo::CardDatabase& Cards() {
    return zemlo::fuzz::SmallCards();
}

struct Reference {
    std::vector<zemlo::DeckEntry> lists[3];
    zemlo::LeftOutCounts leftOut{};
    std::vector<std::u16string> skipped;
};

std::u16string Listed(std::u16string number) {
    if (number.size() > zemlo::kListedCardNoLength) {
        number.resize(zemlo::kListedCardNoLength);
        number += u'\u2026';
    }
    return number;
}

void ReadSection(const std::vector<std::u16string_view>& lines, zemlo::CardKind kind,
                 Reference& out) {
    namespace df = zemlo::deck_file;
    auto line = std::find(lines.begin(), lines.end(), df::Heading(kind));
    if (line == lines.end()) return;
    const std::u16string_view stop = kind == zemlo::CardKind::Unit      ? df::kMissionHeading
                                     : kind == zemlo::CardKind::Mission ? df::kCharacterHeading
                                                                        : std::u16string_view();
    const zemlo::CardTable& table = Cards().Table(kind);
    auto& list = out.lists[static_cast<size_t>(kind)];
    int rows = 0;
    bool taken = false;
    for (++line; line != lines.end(); ++line) {
        const std::u16string_view text = *line;
        if (!stop.empty() && text == stop) break;
        if (text == df::kRowStart) {
            ++rows;
            taken = false;
            continue;
        }
        if (rows <= 1 || taken || !text.starts_with(df::kCellStart)) continue;
        taken = true;
        const std::u16string_view cell = text.substr(df::kCellStart.size());
        const size_t end = cell.find(df::kCellEnd);
        if (end == std::u16string_view::npos) {
            out.skipped.push_back(Listed(zemlo::UnescapeHtml(cell)));
            continue;
        }
        const std::u16string number = zemlo::UnescapeHtml(cell.substr(0, end));
        const int record = table.FindCardNo(number);
        if (record < 0) {
            out.skipped.push_back(Listed(number));
        } else if (list.size() < zemlo::kMaxListEntries) {
            list.push_back(zemlo::DeckEntry::OfRecord(Cards(), kind, record));
        } else {
            ++out.leftOut[static_cast<size_t>(kind)];
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes = zemlo::fuzz::LargeInput(data, size);
    const zemlo::DeckFileReadResult read = zemlo::ParseDeckFile(bytes, Cards());

    // The table decoder gives what DecodeCp932 gives (the code page target holds them to
    // each other) without its iconv calls, which the address sanitizer checks over the whole
    // rest of the input after every invalid byte: a large input took seconds.
    const std::u16string text = zemlo::Cp932Decoder::Instance().Decode(bytes);
    const std::vector<std::u16string_view> lines = zemlo::SplitLineViews(text);
    const bool signed_ =
        std::find(lines.begin(), lines.end(), zemlo::deck_file::kSignature) != lines.end();
    if (!signed_) {
        ZEMLO_FUZZ_CHECK(read.status == zemlo::DeckFileStatus::NotDeckFile);
        ZEMLO_FUZZ_CHECK(read.deck.Empty());
        return 0;
    }
    ZEMLO_FUZZ_CHECK(read.status == zemlo::DeckFileStatus::Read);
    Reference reference;
    for (zemlo::CardKind kind : zemlo::kDeckKinds) ReadSection(lines, kind, reference);
    for (zemlo::CardKind kind : zemlo::kDeckKinds) {
        zemlo::Deck deck;
        deck.Fill(reference.lists[static_cast<size_t>(kind)]);
        ZEMLO_FUZZ_CHECK(read.deck.Entries(kind) == deck.Entries(kind));
    }
    ZEMLO_FUZZ_CHECK(read.leftOut == reference.leftOut);
    ZEMLO_FUZZ_CHECK(read.skippedRows == reference.skipped.size());
    reference.skipped.resize(std::min(reference.skipped.size(), zemlo::kListedSkippedCardNos));
    ZEMLO_FUZZ_CHECK(read.skippedCardNos == reference.skipped);
    return 0;
}

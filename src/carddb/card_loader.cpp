#include "carddb/card_loader.h"

#include <array>

#include "platform/code_page.h"
#include "platform/private_profile.h"

namespace zemlo {
namespace {

// Characters of each field line's label, skipped unread; the value is the rest of the line.
constexpr std::array<int, 25> kUnitLabels = {5, 3, 3, 7, 5, 6, 6, 6, 8, 8, 6, 6, 6,
                                             4, 6, 4, 3, 6, 6, 6, 6, 4, 4, 5, 4};
constexpr std::array<int, 7> kMissionLabels = {3, 5, 8, 5, 5, 3, 5};
constexpr std::array<int, 8> kCharLabels = {3, 3, 5, 8, 5, 3, 5, 4};

// Walks a text line by line; CR LF, CR and LF all end a line.
class LineReader {
public:
    explicit LineReader(std::u16string_view text) : text_(text) {}

    bool Next(std::u16string_view& line) {
        if (pos_ >= text_.size()) return false;
        size_t end = pos_;
        while (end < text_.size() && text_[end] != u'\r' && text_[end] != u'\n') ++end;
        line = text_.substr(pos_, end - pos_);
        pos_ = end;
        if (pos_ < text_.size()) {
            if (text_[pos_] == u'\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == u'\n') ++pos_;
            ++pos_;
        }
        return true;
    }

private:
    std::u16string_view text_;
    size_t pos_ = 0;
};

template <size_t N>
void ReadRecord(CardTable& table, std::u16string_view tagLine, const std::array<int, N>& labels,
                LineReader& lines, int& dropped) {
    // A full table still consumes the record's lines, so they are not taken for tags.
    const bool keep = table.Count() < CardTable::kMaxRecords;
    int record = -1;
    if (keep) {
        record = table.AppendRecord();
        // The card number is the tag line without its first and last character.
        if (tagLine.size() >= 2) {
            table.MutableCell(1, record).assign(tagLine.substr(1, tagLine.size() - 2));
        }
    } else {
        ++dropped;
    }
    for (size_t i = 0; i < N; ++i) {
        std::u16string_view line;
        if (!lines.Next(line)) return;  // cut short by the end of the file: the rest stay empty
        if (keep && line.size() > static_cast<size_t>(labels[i])) {
            table.MutableCell(static_cast<int>(i) + 2, record).assign(line.substr(labels[i]));
        }
    }
}

bool ReadFile(CardDatabase& db, const std::filesystem::path& path, LoadReport& report) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) return false;
    ReadCardRecords(db, DecodeCp932(bytes), report);
    return true;
}

}  // namespace

void ReadCardRecords(CardDatabase& db, std::u16string_view text, LoadReport& report) {
    LineReader lines(text);
    std::u16string_view line;
    while (lines.Next(line)) {
        std::u16string_view tag = line.substr(0, 2);
        if (tag == u"[Z") {
            ReadRecord(db.units, line, kUnitLabels, lines, report.droppedUnits);
        } else if (tag == u"[M") {
            ReadRecord(db.missions, line, kMissionLabels, lines, report.droppedMissions);
        } else if (tag == u"[C") {
            ReadRecord(db.characters, line, kCharLabels, lines, report.droppedCharacters);
        }
    }
}

LoadReport LoadCardData(CardDatabase& db, const std::filesystem::path& dir) {
    LoadReport report;
    db.units.Clear();
    db.missions.Clear();
    db.characters.Clear();
    report.zemloPath = dir / "ZEMLO.dat";
    report.zemloRead = ReadFile(db, report.zemloPath, report);

    const std::filesystem::path orvel = dir / "ORVEL.dat";
    // Only a readable regular file counts: a folder of that name must not make the title
    // claim the extra card data.
    std::error_code ec;
    db.orvelDataLoaded = std::filesystem::is_regular_file(orvel, ec) && ReadFile(db, orvel, report);
    return report;
}

}  // namespace zemlo

#include "deckfile/deck_file_writer.h"

#include <span>
#include <string_view>

#include "deckfile/deck_file_format.h"
#include "deckfile/html_escape.h"
#include "platform/code_page.h"
#include "platform/file_io.h"

namespace zemlo {
namespace {

struct Column {
    std::u16string_view title;
    int field;
};

// One output item: the columns its flag puts into the table, in file order.
using OutputItem = std::span<const Column>;

namespace u = unit_field;
constexpr Column kModelNo[] = {{u"形式", u::ModelNo}};
constexpr Column kUnitName[] = {{u"名称", u::UnitName}};
constexpr Column kUnitTeam[] = {{u"所属", u::Team}};
constexpr Column kRollOut[] = {{u"ロール", u::RollOut}};
constexpr Column kUnitTerrain[] = {{u"地形", u::Terrain}};
constexpr Column kDevLines[] = {
    {u"開発系統1", u::DevLine1}, {u"開発系統2", u::DevLine2}, {u"開発系統3", u::DevLine3}};
constexpr Column kUnitLines[] = {{u"ユニット系統1", u::UnitLine1},
                                 {u"ユニット系統2", u::UnitLine2}};
constexpr Column kDesignConds[] = {{u"設計条件1", u::DesignCond1}, {u"設計条件2", u::DesignCond2}};
constexpr Column kWeapons[] = {{u"近距離武器", u::NearWeapon},
                               {u"近距離", u::NearPower},
                               {u"遠距離武器", u::FarWeapon},
                               {u"遠距離", u::FarPower}};
constexpr Column kHp[] = {{u"ＨＰ", u::Hp}};
constexpr Column kSpAbilities[] = {{u"特殊能力1", u::SpAbility1}, {u"特殊能力2", u::SpAbility2}};
constexpr Column kSpFunctions[] = {{u"特殊機能1", u::SpFunction1}, {u"特殊機能2", u::SpFunction2}};
constexpr Column kNotes[] = {{u"補足1", u::Note1}, {u"補足2", u::Note2}};
constexpr Column kUnitText[] = {{u"テキスト", u::CardText}};
constexpr Column kUnitCode[] = {{u"黒歴史コード", u::CardCode}};

constexpr OutputItem kUnitItems[] = {kModelNo,     kUnitName, kUnitTeam,    kRollOut,
                                     kUnitTerrain, kDevLines, kUnitLines,   kDesignConds,
                                     kWeapons,     kHp,       kSpAbilities, kSpFunctions,
                                     kNotes,       kUnitText, kUnitCode};

namespace m = mission_field;
constexpr Column kMissionName[] = {{u"名称", m::MissionName}};
constexpr Column kPointsGained[] = {{u"獲得戦果", m::PointsGained}};
constexpr Column kUnitsNeeded[] = {{u"必要ユニット数", m::UnitsNeeded}};
constexpr Column kMissionTerrain[] = {{u"地形", m::Terrain}};
constexpr Column kVictoryCond[] = {{u"勝利条件", m::VictoryCond}};
constexpr Column kMissionEffect[] = {{u"効果", m::Effect}};
constexpr Column kMissionText[] = {{u"テキスト", m::CardText}};

constexpr OutputItem kMissionItems[] = {kMissionName, kPointsGained,  kUnitsNeeded, kMissionTerrain,
                                        kVictoryCond, kMissionEffect, kMissionText};

namespace c = char_field;
constexpr Column kCharName[] = {{u"名称", c::CharName}};
constexpr Column kCharTeam[] = {{u"所属", c::Team}};
constexpr Column kPointsLost[] = {{u"損失戦果", c::PointsLost}};
constexpr Column kTiming[] = {{u"使用タイミング", c::Timing}};
constexpr Column kUseCond[] = {{u"使用条件", c::UseCond}};
constexpr Column kCharEffect[] = {{u"効果", c::Effect}};
constexpr Column kCharText[] = {{u"テキスト", c::CardText}};
constexpr Column kCharCode[] = {{u"黒歴史コード", c::CardCode}};

constexpr OutputItem kCharItems[] = {kCharName, kCharTeam,   kPointsLost, kTiming,
                                     kUseCond,  kCharEffect, kCharText,   kCharCode};

static_assert(std::size(kUnitItems) == std::tuple_size_v<decltype(OutputFlags::unit)>);
static_assert(std::size(kMissionItems) == std::tuple_size_v<decltype(OutputFlags::mission)>);
static_assert(std::size(kCharItems) == std::tuple_size_v<decltype(OutputFlags::character)>);

// The columns of one table: those of every item whose flag is exactly "1".
template <size_t N>
std::vector<Column> SelectedColumns(const OutputItem (&items)[N],
                                    const std::array<std::u16string, N>& flags) {
    std::vector<Column> columns;
    for (size_t i = 0; i < N; ++i) {
        if (flags[i] != u"1") continue;
        columns.insert(columns.end(), items[i].begin(), items[i].end());
    }
    return columns;
}

std::vector<Column> ColumnsOf(CardKind kind, const OutputFlags& flags) {
    switch (kind) {
        case CardKind::Unit:
            return SelectedColumns(kUnitItems, flags.unit);
        case CardKind::Mission:
            return SelectedColumns(kMissionItems, flags.mission);
        case CardKind::Character:
            break;
    }
    return SelectedColumns(kCharItems, flags.character);
}

class Lines {
public:
    void Add(std::u16string_view line) {
        text_ += line;
        text_ += deck_file::kLineEnd;
    }
    void AddCell(std::u16string_view value) {
        std::u16string line(deck_file::kCellStart);
        line += EscapeHtml(value);
        line += deck_file::kCellEnd;
        Add(line);
    }
    void AddHeaderCell(std::u16string_view title) {
        std::u16string line(u"<TD noWrap><STRONG><EM>");
        line += title;
        line += u"</EM></STRONG></TD>";
        Add(line);
    }
    std::u16string Take() { return std::move(text_); }

private:
    std::u16string text_;
};

void WriteSection(Lines& out, const CardDatabase& db, CardKind kind,
                  const std::vector<Column>& columns, const std::vector<DeckEntry>& entries) {
    out.Add(deck_file::Heading(kind));
    out.Add(u"<TABLE align=center bgColor=white border=1 cellPadding=1 cellSpacing=1");
    out.Add(u"width=\"90%\">");
    out.Add(deck_file::kRowStart);
    out.AddHeaderCell(u"No");
    for (const Column& column : columns) out.AddHeaderCell(column.title);
    out.Add(deck_file::kRowEnd);

    const CardTable& table = db.Table(kind);
    for (const DeckEntry& entry : entries) {
        const std::u16string_view cardNo = entry.CardNo();
        const int record = table.FindCardNo(cardNo);
        out.Add(deck_file::kRowStart);
        out.AddCell(cardNo);
        for (const Column& column : columns) {
            out.AddCell(record >= 0 ? std::u16string_view(table.Cell(column.field, record))
                                    : std::u16string_view());
        }
        out.Add(deck_file::kRowEnd);
    }
}

}  // namespace

std::u16string DeckFileText(const CardDatabase& db, const OutputFlags& flags, const Deck& deck) {
    Lines out;
    out.Add(u"<HTML>");
    out.Add(u"<HEAD>");
    out.Add(deck_file::kSignature);
    out.Add(u"<TITLE>ZEMLO DECKDATA</TITLE>");
    out.Add(u"</HEAD>");
    out.Add(u"<BODY>");
    for (CardKind kind : kDeckKinds) {
        WriteSection(out, db, kind, ColumnsOf(kind, flags), deck.Entries(kind));
        out.Add(u"</TABLE>");
        if (kind != CardKind::Character) out.Add(u"<P></P>");
    }
    out.Add(u"</BODY>");
    out.Add(u"</HTML>");
    return out.Take();
}

std::string DeckFileBytes(const CardDatabase& db, const OutputFlags& flags, const Deck& deck) {
    return EncodeCp932(DeckFileText(db, flags, deck));
}

FileStatus SaveDeckFile(const std::filesystem::path& path, const CardDatabase& db,
                        const OutputFlags& flags, const Deck& deck) {
    return ReplaceFileAtomically(path, DeckFileBytes(db, flags, deck));
}

}  // namespace zemlo

#include "images/card_face.h"

#include "cardinfo/card_clip_text.h"
#include "platform/text_lines.h"

namespace zemlo {
namespace {

// The clipboard text's first lines give the number and the name, which the face shows in
// places of their own.
constexpr std::size_t kHeadLines = 2;

}  // namespace

CardFace MakeCardFace(const CardDatabase& db, CardKind kind, std::u16string_view cardNo,
                      bool withText) {
    static constexpr std::u16string_view kKindNames[] = {u"ユニット", u"ミッション",
                                                         u"キャラクター"};
    CardFace face;
    face.kind = kind;
    face.kindName = kKindNames[static_cast<int>(kind)];
    face.cardNo = OneLineText(cardNo);
    const CardTable& table = db.Table(kind);
    const int record = table.FindCardNo(cardNo);
    if (record < 0) return face;
    face.name = OneLineText(table.Cell(NameField(kind), record));
    if (!withText) return face;
    CardKind numberedKind;
    // The clipboard text tells the kind by the number; a number of another kind's pattern
    // has none.
    if (!KindOfCardNo(cardNo, numberedKind) || numberedKind != kind) return face;
    std::vector<std::u16string> lines = SplitLines(CardClipText(db, cardNo));
    for (std::size_t i = kHeadLines; i < lines.size(); ++i) {
        face.textLines.push_back(OneLineText(lines[i]));
    }
    return face;
}

}  // namespace zemlo

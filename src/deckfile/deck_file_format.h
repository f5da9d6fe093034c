// The fixed lines of the HTML deck file that the writer puts out and the reader looks for.
// Other copies of the program read and write the same lines, so they never change.
#pragma once

#include <string>
#include <string_view>

#include "carddb/card_fields.h"

namespace zemlo {

namespace deck_file {

// The line a deck file is recognised by, wherever it stands in the file.
inline constexpr std::u16string_view kSignature =
    u"<META NAME=\"GENERATOR\" Content=\"ZEMLOデッキ作成支援\";charset=Shift_JIS>";

inline constexpr std::u16string_view kUnitHeading =
    u"<P align=center><STRONG>UNIT情報</STRONG></P>";
inline constexpr std::u16string_view kMissionHeading =
    u"<P align=center><STRONG>MISSION情報</STRONG></P>";
inline constexpr std::u16string_view kCharacterHeading =
    u"<P align=center><STRONG>CHARACTER情報</STRONG></P>";

inline constexpr std::u16string_view kRowStart = u"<TR>";
inline constexpr std::u16string_view kRowEnd = u"</TR>";
inline constexpr std::u16string_view kCellStart = u"<TD noWrap>";
inline constexpr std::u16string_view kCellEnd = u"</TD>";

inline constexpr std::u16string_view kLineEnd = u"\r\n";

inline std::u16string_view Heading(CardKind kind) {
    return kind == CardKind::Unit      ? kUnitHeading
           : kind == CardKind::Mission ? kMissionHeading
                                       : kCharacterHeading;
}

}  // namespace deck_file

// What the save and open commands do with a chosen path, by the end of its name compared
// without regard to case: "HTM" or "HTML" is a deck file, "CSV" the CSV form, anything
// else is passed over.
enum class DeckFileType { None, Html, Csv };
DeckFileType DeckFileTypeOf(std::u16string_view path);

// Where the save command writes a chosen path. A name without any extension (the offered
// one has none) is saved with ".htm" added; a name with another ending is refused, and the
// player is told that nothing was saved. An empty path (a cancelled dialog) writes nothing.
struct DeckSaveTarget {
    DeckFileType type = DeckFileType::None;
    std::u16string path;
    bool extensionAdded = false;
    bool refused = false;
};
DeckSaveTarget DeckSaveTargetOf(std::u16string_view path);

// The file name the save dialog offers: "ZM" and the month and day, two digits each.
std::u16string OfferedDeckFileName(int month, int day);

// True when text is empty or blanks only; such a path writes and reads nothing.
bool IsBlankPath(std::u16string_view text);

}  // namespace zemlo

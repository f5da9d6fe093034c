#include "cli/deck_commands.h"

#include "cli/argument_text.h"
#include "cli/command_decks.h"
#include "deck/deck_summary.h"
#include "deckfile/deck_text.h"
#include "platform/code_page.h"
#include "platform/file_io.h"
#include "platform/text_lines.h"
#include "tools/deck_difference.h"
#include "tools/deck_library.h"

namespace zemlo {
namespace {

std::optional<DeckFileReadResult> OpenDeck(const std::filesystem::path& path,
                                           const CardDatabase& db, CommandOutput& output) {
    std::optional<DeckFileReadResult> read = ReadCommandDeck(path, db, output);
    if (read) TellRowsLeftOut(path, *read, output);
    return read;
}

}  // namespace

CommandOutput DeckTextCommand(const CommandRequest& request, const CardDatabase& db) {
    CommandOutput output;
    const std::optional<DeckFileReadResult> read = OpenDeck(request.paths.at(0), db, output);
    if (read) output.out = ToUtf8(DeckText(SummarizeDeck(read->deck)));
    return output;
}

CommandOutput CompareCommand(const CommandRequest& request, const CardDatabase& db) {
    CommandOutput output;
    const std::optional<DeckFileReadResult> first = OpenDeck(request.paths.at(0), db, output);
    const std::optional<DeckFileReadResult> second = OpenDeck(request.paths.at(1), db, output);
    if (first && second) {
        output.out = ToUtf8(DifferenceText(
            CompareDecks(SummarizeDeck(first->deck), SummarizeDeck(second->deck), false)));
    }
    return output;
}

std::optional<SheetJob> PrepareSheet(const CommandRequest& request, const CardDatabase& db,
                                     SheetDate today, CommandOutput& output) {
    const std::filesystem::path& path = request.paths.at(0);
    const std::optional<DeckFileReadResult> read = OpenDeck(path, db, output);
    if (!read) return std::nullopt;

    SheetHeading heading;
    heading.player = request.player.value_or(u"");
    heading.deckName =
        request.deckName ? *request.deckName
                         : OneLineText(ShownArgument(DeckNameOfFile(ArgumentText(path.native()))));
    const SheetDate date = request.date.value_or(today);
    heading.date = SheetDateText(date.year, date.month, date.day);
    heading.event = request.event.value_or(u"");

    SheetJob job;
    job.sheet = BuildDeckSheet(SummarizeDeck(read->deck), std::move(heading));
    if (request.sheetFormat == SheetFormat::Pdf) {
        job.files.push_back(request.output);
    } else {
        // Through the text the window's own naming works on, and back to the very bytes.
        for (const std::u16string& file :
             SheetImagePaths(ArgumentText(request.output.native()), job.sheet.pages.size())) {
            job.files.push_back(ArgumentPath(file));
        }
    }
    return job;
}

bool WriteCommandFile(const std::filesystem::path& path, std::string_view bytes,
                      CommandOutput& output) {
    const FileStatus status = ReplaceFileAtomically(path, bytes);
    if (status) return true;
    output.TellAbout(path, u"書き込めませんでした" + CauseText(status));
    output.Raise(kStatusTrouble);
    return false;
}

}  // namespace zemlo

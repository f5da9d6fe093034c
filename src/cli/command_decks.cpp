#include "cli/command_decks.h"

#include <new>

#include "carddb/card_loader.h"
#include "carddb/text_width.h"
#include "deck/entry_merge.h"
#include "platform/text_lines.h"

namespace zemlo {
namespace {

void TellUnreadableCardData(const std::filesystem::path& path, const FileStatus& status,
                            CommandOutput& output) {
    output.TellAbout(path, u"カードデータを読み込めませんでした" + CauseText(status));
    output.Raise(kStatusTrouble);
}

void TellDropped(const LoadReport& report, CommandOutput& output) {
    if (report.Dropped() == 0) return;
    output.Tell(u"1種類あたり32767枚を超えるカード " + DecimalText(report.Dropped()) +
                u" 枚は読み込んでいません（ユニット " + DecimalText(report.droppedUnits) +
                u"、ミッション " + DecimalText(report.droppedMissions) + u"、キャラクター " +
                DecimalText(report.droppedCharacters) + u"）。");
}

bool LoadProgramFolderData(CardDatabase& db, const std::filesystem::path& programDir,
                           CommandOutput& output) {
    const LoadReport report = LoadCardData(db, programDir);
    if (!report.zemloRead) {
        TellUnreadableCardData(report.zemloPath, report.zemloStatus, output);
        return false;
    }
    if (!report.orvelStatus) {
        TellUnreadableCardData(programDir / "ORVEL.dat", report.orvelStatus, output);
        return false;
    }
    TellDropped(report, output);
    return true;
}

// The reader keeps the beginnings of the first few skipped card numbers; the count covers all.
std::u16string SkippedRowsText(const DeckFileReadResult& read) {
    std::u16string text = u"カードデータにないカード番号の行を" +
                          DecimalText(static_cast<long long>(read.skippedRows)) +
                          u"行読み飛ばしました:";
    for (const std::u16string& cardNo : read.skippedCardNos) text += u" " + OneLineText(cardNo);
    if (read.skippedRows > read.skippedCardNos.size()) {
        text += u" ほか" +
                DecimalText(static_cast<long long>(read.skippedRows - read.skippedCardNos.size())) +
                u"行";
    }
    return text;
}

}  // namespace

bool LoadCommandCardData(CardDatabase& db, const std::vector<std::filesystem::path>& dataFiles,
                         const std::filesystem::path& programDir, CommandOutput& output) {
    if (dataFiles.empty()) return LoadProgramFolderData(db, programDir, output);
    LoadReport report;
    for (const std::filesystem::path& file : dataFiles) {
        FileContents contents = ReadFileBytes(file, kCardDataFileLimit);
        if (!contents.status) {
            TellUnreadableCardData(file, contents.status, output);
            return false;
        }
        try {
            ReadCardDataBytes(db, contents.bytes, report);
        } catch (const std::bad_alloc&) {
            TellUnreadableCardData(file, FileStatus{ENOMEM, true}, output);
            return false;
        }
    }
    TellDropped(report, output);
    return true;
}

std::optional<DeckFileReadResult> ReadCommandDeck(const std::filesystem::path& path,
                                                  const CardDatabase& db, CommandOutput& output) {
    DeckFileReadResult read = ReadDeckFile(path, db);
    if (read.status == DeckFileStatus::NotDeckFile) {
        output.TellAbout(path, u"指定したファイルはサポート外のフォーマットです。");
        output.Raise(kStatusTrouble);
        return std::nullopt;
    }
    if (read.status != DeckFileStatus::Read) {
        output.TellAbout(path, u"ファイルを読み込めませんでした" + CauseText(read.fileStatus));
        output.Raise(kStatusTrouble);
        return std::nullopt;
    }
    return read;
}

void TellRowsLeftOut(const std::filesystem::path& path, const DeckFileReadResult& read,
                     CommandOutput& output) {
    if (read.skippedRows > 0) {
        output.TellAbout(path, SkippedRowsText(read));
        output.Raise(kStatusDeckNotOk);
    }
    const std::u16string leftOut = LeftOutText(read.leftOut);
    if (!leftOut.empty()) {
        output.TellAbout(path, leftOut);
        output.Raise(kStatusDeckNotOk);
    }
}

}  // namespace zemlo

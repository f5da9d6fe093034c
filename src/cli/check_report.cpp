#include "cli/check_report.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <thread>

#include "carddb/text_width.h"
#include "cli/argument_text.h"
#include "cli/command_decks.h"
#include "platform/code_page.h"

namespace zemlo {
namespace {

// A file named on the command line: read whatever its name, and told when it is no deck.
void CheckFile(const std::filesystem::path& path, const struct stat& st, const CardDatabase& db,
               CheckReport& report, CommandOutput& output) {
    const std::optional<DeckFileReadResult> read = ReadCommandDeck(path, db, output);
    if (!read) return;
    FoundFile file{path, static_cast<std::uint64_t>(st.st_size), 0};
    report.found.decks.push_back(LibraryDeckOf(std::move(file), *read));
}

void CheckFolder(const std::filesystem::path& path, const CardDatabase& db, CheckReport& report,
                 CommandOutput& output) {
    // Reading the files is most of the work: every core reads some.
    const int workers = static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 8u));
    LibraryIndex index = IndexLibrary(path, db, nullptr, nullptr, nullptr, workers);
    if (!index.folderStatus) {
        output.TellAbout(path, u"フォルダを読み込めませんでした" + CauseText(index.folderStatus));
        output.Raise(kStatusTrouble);
        return;
    }
    AddLook(report.found, std::move(index));
}

// A path's bytes in a TSV field: the field's and the line's separators escaped.
void AppendTsvPath(const std::filesystem::path& path, std::string& out) {
    for (char c : path.native()) {
        switch (c) {
            case '\t':
                out += "\\t";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\\':
                out += "\\\\";
                break;
            default:
                out += c;
        }
    }
}

// A JSON string. A byte of the path that is no UTF-8 stands as the lone surrogate
// ArgumentText gives it ("\udcff"), which a reader that keeps such escapes turns back into
// the byte; every other character is written as UTF-8.
void AppendJsonString(std::u16string_view text, std::string& out) {
    out += '"';
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        const bool high = c >= 0xD800 && c <= 0xDBFF;
        const bool paired =
            high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
        if (paired) {
            out += ToUtf8(text.substr(i, 2));
            ++i;
        } else if (c == u'"' || c == u'\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || (c >= 0xD800 && c <= 0xDFFF)) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
            out += escape;
        } else {
            out += ToUtf8(text.substr(i, 1));
        }
    }
    out += '"';
}

std::string_view RuleKey(DeckRule rule) {
    switch (rule) {
        case DeckRule::Units:
            return "units";
        case DeckRule::MissionsAndCharacters:
            return "missionsAndCharacters";
        case DeckRule::Points:
            break;
    }
    return "points";
}

std::string Number(long long n) {
    return std::to_string(n);
}

}  // namespace

CheckReport CheckPaths(const std::vector<std::filesystem::path>& paths, const CardDatabase& db,
                       CommandOutput& output) {
    CheckReport report;
    for (const std::filesystem::path& path : paths) {
        struct stat st {};
        if (::stat(path.c_str(), &st) != 0) {
            const FileStatus status{errno, true};
            output.TellAbout(path, u"読み込めません" + CauseText(status));
            output.Raise(kStatusTrouble);
        } else if (S_ISDIR(st.st_mode)) {
            CheckFolder(path, db, report, output);
        } else {
            CheckFile(path, st, db, report, output);
        }
    }
    // A deck named twice, or named and inside a folder named as it was reached, is one deck.
    auto& decks = report.found.decks;
    std::stable_sort(decks.begin(), decks.end(),
                     [](const LibraryDeck& a, const LibraryDeck& b) { return a.path < b.path; });
    decks.erase(
        std::unique(decks.begin(), decks.end(),
                    [](const LibraryDeck& a, const LibraryDeck& b) { return a.path == b.path; }),
        decks.end());
    return report;
}

bool DeckIsOk(const LibraryDeck& deck) {
    return deck.broken.empty() && deck.unknownRows == 0;
}

std::string CheckTsv(const CheckReport& report) {
    std::string out = ToUtf8(u"ﾌｧｲﾙ\tﾕﾆｯﾄ数\tﾐｯｼｮﾝ+ｷｬﾗｸﾀｰ数\t合計戦果\t判定\t不明ｶｰﾄﾞ\n");
    for (const LibraryDeck& deck : report.found.decks) {
        AppendTsvPath(deck.path, out);
        out += '\t' + Number(deck.counts.units) + '\t' + Number(deck.counts.missionsAndCharacters) +
               '\t' + Number(deck.counts.points) + '\t' + ToUtf8(JudgementText(deck.broken)) +
               '\t' + Number(deck.unknownRows) + '\n';
    }
    return out;
}

std::string CheckJson(const CheckReport& report) {
    std::string out = "[";
    const char* separator = "\n";
    for (const LibraryDeck& deck : report.found.decks) {
        out += separator;
        separator = ",\n";
        out += "{\"path\":";
        AppendJsonString(ArgumentText(deck.path.native()), out);
        out += ",\"units\":" + Number(deck.counts.units) +
               ",\"missionsAndCharacters\":" + Number(deck.counts.missionsAndCharacters) +
               ",\"points\":" + Number(deck.counts.points) +
               ",\"ok\":" + (DeckIsOk(deck) ? "true" : "false") + ",\"broken\":[";
        for (size_t i = 0; i < deck.broken.size(); ++i) {
            if (i > 0) out += ',';
            out += "{\"rule\":\"";
            out += RuleKey(deck.broken[i].rule);
            out += "\",\"count\":" + Number(deck.broken[i].count) + "}";
        }
        out += "],\"unknownRows\":" + Number(deck.unknownRows) + "}";
    }
    out += report.found.decks.empty() ? "]\n" : "\n]\n";
    return out;
}

std::u16string CheckSummaryText(const CheckReport& report) {
    const auto& decks = report.found.decks;
    const auto breaking = std::count_if(
        decks.begin(), decks.end(), [](const LibraryDeck& deck) { return !deck.broken.empty(); });
    const auto unknown = std::count_if(
        decks.begin(), decks.end(), [](const LibraryDeck& deck) { return deck.unknownRows > 0; });
    std::u16string text = u"ﾃﾞｯｷ " + DecimalText(static_cast<long long>(decks.size())) +
                          u" 件、規定外 " + DecimalText(breaking) + u" 件";
    if (unknown > 0) text += u"、不明ｶｰﾄﾞのあるﾃﾞｯｷ " + DecimalText(unknown) + u" 件";
    return text + PassedOverText(report.found);
}

CommandOutput CheckCommand(const CommandRequest& request, const CardDatabase& db) {
    CommandOutput output;
    const CheckReport report = CheckPaths(request.paths, db, output);
    const std::string summary = ToUtf8(CheckSummaryText(report)) + '\n';
    if (request.format == CheckFormat::Json) {
        output.out = CheckJson(report);
        output.err += summary;
    } else {
        output.out = CheckTsv(report) + summary;
    }
    for (const LibraryDeck& deck : report.found.decks) {
        if (!DeckIsOk(deck)) output.Raise(kStatusDeckNotOk);
    }
    return output;
}

}  // namespace zemlo

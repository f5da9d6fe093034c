#include "cli/command_request.h"

#include <array>

#include "cli/argument_text.h"
#include "platform/text_lines.h"

namespace zemlo {
namespace {

bool EndsWithFolded(std::u16string_view text, std::u16string_view ending) {
    if (text.size() <= ending.size()) return false;
    const std::u16string_view tail = text.substr(text.size() - ending.size());
    for (size_t i = 0; i < ending.size(); ++i) {
        const char16_t c = tail[i] >= u'A' && tail[i] <= u'Z' ? tail[i] - u'A' + u'a' : tail[i];
        if (c != ending[i]) return false;
    }
    return true;
}

std::optional<std::u16string> OneLine(const std::optional<std::u16string>& text) {
    if (!text) return std::nullopt;
    return OneLineText(ShownArgument(*text));
}

// Why the deck arguments do not fit the command; "" when they do.
std::u16string DeckCountProblem(Command command, size_t count) {
    switch (command) {
        case Command::Check:
            if (count == 0)
                return u"--check には調べるデッキファイルかフォルダを指定してください。";
            break;
        case Command::Text:
            if (count != 1) return u"--text にはデッキファイルを1つ指定してください。";
            break;
        case Command::Sheet:
            if (count != 1) return u"--sheet にはデッキファイルを1つ指定してください。";
            break;
        case Command::Compare:
            if (count != 2) return u"--compare にはデッキファイルを2つ指定してください。";
            break;
        case Command::Help:
        case Command::Version:
            break;
    }
    return {};
}

int DigitsValue(std::u16string_view text) {
    int value = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9') return -1;
        value = value * 10 + (c - u'0');
    }
    return value;
}

}  // namespace

std::optional<std::string_view> WindowDeckFile(const std::vector<std::string_view>& arguments) {
    const size_t at = !arguments.empty() && arguments.front() == "--" ? 1 : 0;
    if (at >= arguments.size()) return std::nullopt;
    return arguments[at];
}

bool WantsCommandLine(const std::vector<std::string_view>& arguments) {
    for (std::string_view argument : arguments) {
        if (argument == "--") return false;
        if (argument.starts_with("--")) return true;
        if (argument == "-h" || argument == "-v" || argument.starts_with("-o")) return true;
    }
    return false;
}

std::optional<SheetDate> ParseSheetDate(std::u16string_view text) {
    if (text.size() != 10 || text[4] != u'-' || text[7] != u'-') return std::nullopt;
    const SheetDate date{DigitsValue(text.substr(0, 4)), DigitsValue(text.substr(5, 2)),
                         DigitsValue(text.substr(8, 2))};
    if (date.year < 1 || date.month < 1 || date.month > 12 || date.day < 1) return std::nullopt;
    const bool leap = (date.year % 4 == 0 && date.year % 100 != 0) || date.year % 400 == 0;
    constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int days = kDays[static_cast<size_t>(date.month - 1)] + (date.month == 2 && leap);
    if (date.day > days) return std::nullopt;
    return date;
}

Interpretation Interpret(const CommandArguments& arguments) {
    Interpretation result;
    CommandRequest request;
    if (arguments.help || arguments.version) {
        request.command = arguments.help ? Command::Help : Command::Version;
        result.request = request;
        return result;
    }

    const std::array<std::pair<bool, Command>, 4> commands = {
        {{arguments.check, Command::Check},
         {arguments.text, Command::Text},
         {arguments.sheet, Command::Sheet},
         {arguments.compare, Command::Compare}}};
    int given = 0;
    for (const auto& [set, command] : commands) {
        if (!set) continue;
        ++given;
        request.command = command;
    }
    if (given != 1) {
        result.problem =
            given == 0 ? u"--check、--text、--sheet、--compare のどれか1つを指定してください。"
                       : u"--check、--text、--sheet、--compare は1つだけ指定してください。";
        return result;
    }

    // Options that belong to one command are refused with any other: a --player given to
    // --check would be silently ignored otherwise.
    const bool sheet = request.command == Command::Sheet;
    const std::array<std::pair<bool, std::u16string_view>, 5> sheetOnly = {
        {{arguments.output.has_value(), u"-o"},
         {arguments.player.has_value(), u"--player"},
         {arguments.deckName.has_value(), u"--deck-name"},
         {arguments.date.has_value(), u"--date"},
         {arguments.event.has_value(), u"--event"}}};
    for (const auto& [set, name] : sheetOnly) {
        if (set && !sheet) {
            result.problem = std::u16string(name) + u" は --sheet とだけ使えます。";
            return result;
        }
    }
    if (arguments.format && request.command != Command::Check) {
        result.problem = u"--format は --check とだけ使えます。";
        return result;
    }

    result.problem = DeckCountProblem(request.command, arguments.positional.size());
    if (!result.problem.empty()) return result;
    for (const std::u16string& path : arguments.positional) {
        request.paths.push_back(ArgumentPath(path));
    }
    for (const std::u16string& file : arguments.dataFiles) {
        request.dataFiles.push_back(ArgumentPath(file));
    }

    if (arguments.format) {
        if (*arguments.format == u"json") {
            request.format = CheckFormat::Json;
        } else if (*arguments.format != u"tsv") {
            result.problem = u"--format には tsv か json を指定してください。";
            return result;
        }
    }

    if (sheet) {
        if (!arguments.output) {
            result.problem =
                u"--sheet には -o で書き出すファイル（.pdf か .png）を指定してください。";
            return result;
        }
        if (EndsWithFolded(*arguments.output, u".png")) {
            request.sheetFormat = SheetFormat::Png;
        } else if (!EndsWithFolded(*arguments.output, u".pdf")) {
            result.problem = u"-o のファイル名は .pdf か .png で終わるようにしてください。";
            return result;
        }
        request.output = ArgumentPath(*arguments.output);
        request.player = OneLine(arguments.player);
        request.deckName = OneLine(arguments.deckName);
        request.event = OneLine(arguments.event);
        if (arguments.date) {
            request.date = ParseSheetDate(*arguments.date);
            if (!request.date) {
                result.problem = u"--date には 2026-12-07 のように、ある日付を指定してください。";
                return result;
            }
        }
    }
    result.request = std::move(request);
    return result;
}

}  // namespace zemlo

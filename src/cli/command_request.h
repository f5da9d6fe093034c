// What a command line asks of the program, and whether it asks for the command line at all.
// The option parser finds the options and their values; this part gives them their meaning
// and says what is wrong with a command line that makes none.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zemlo {

// Whether arguments (those after the program's name) ask for the command line rather than the
// window: one of them, before a lone "--", begins with "--" or is -h, -v or -o. The window's
// own start, without arguments or with one deck file, and the toolkit's single-dash options
// (-platform, -style) keep the window.
bool WantsCommandLine(const std::vector<std::string_view>& arguments);

// The deck file the window opens once it is up: the first argument, or the one after a
// leading "--" (so a file whose name begins with "-" can be opened); none without one.
std::optional<std::string_view> WindowDeckFile(const std::vector<std::string_view>& arguments);

enum class Command { Help, Version, Check, Text, Sheet, Compare };
enum class CheckFormat { Tsv, Json };
enum class SheetFormat { Pdf, Png };

struct SheetDate {
    int year = 0;
    int month = 0;
    int day = 0;
};

// What the option parser found; every text as ArgumentText made it of the argument's bytes.
struct CommandArguments {
    bool help = false;
    bool version = false;
    bool check = false;
    bool text = false;
    bool sheet = false;
    bool compare = false;
    std::vector<std::u16string> positional;
    std::vector<std::u16string> dataFiles;  // every --data, in order
    std::optional<std::u16string> format;
    std::optional<std::u16string> output;
    std::optional<std::u16string> player;
    std::optional<std::u16string> deckName;
    std::optional<std::u16string> date;
    std::optional<std::u16string> event;
};

struct CommandRequest {
    Command command = Command::Help;
    // The decks and folders to check, the deck to write, or the two decks to compare.
    std::vector<std::filesystem::path> paths;
    // Card data files in the order they are read; none for the program folder's own.
    std::vector<std::filesystem::path> dataFiles;
    CheckFormat format = CheckFormat::Tsv;
    std::filesystem::path output;
    SheetFormat sheetFormat = SheetFormat::Pdf;
    // One line each, as the sheet shows them; unset for the defaults.
    std::optional<std::u16string> player;
    std::optional<std::u16string> deckName;
    std::optional<SheetDate> date;
    std::optional<std::u16string> event;
};

struct Interpretation {
    std::optional<CommandRequest> request;
    // Why there is no request: a usage error to say on the error output.
    std::u16string problem;
};

Interpretation Interpret(const CommandArguments& arguments);

// "2026-12-07" as a date of the calendar; nothing for any other text or a day that does not
// exist (2027-02-29).
std::optional<SheetDate> ParseSheetDate(std::u16string_view text);

}  // namespace zemlo

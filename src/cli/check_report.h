// --check: every deck file under the paths given, judged as the deck library judges it, in a
// table for scripts (TSV or JSON) and a last line for the reader.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "carddb/card_database.h"
#include "cli/command_output.h"
#include "cli/command_request.h"
#include "tools/deck_library.h"

namespace zemlo {

struct CheckReport {
    // Every deck found, in path order, each once; the files passed over in folders counted.
    LibraryIndex found;
};

// Looks at each path: a folder as the deck library walks one (subfolders, ".htm" and ".html",
// hidden files and looping links passed over), any other file as a deck file whatever its
// name. A path that is neither a folder that can be read nor a deck file is told on output's
// error output and raises its status to 2.
CheckReport CheckPaths(const std::vector<std::filesystem::path>& paths, const CardDatabase& db,
                       CommandOutput& output);

// A deck keeps every rule and names no card the card data lacks.
bool DeckIsOk(const LibraryDeck& deck);

// The header and one line per deck: path, the three counters, "OK" or the rules broken with
// their counts, the rows naming unknown cards. A path's TAB, CR, LF and backslash are written
// as \t, \r, \n and \\; its other bytes as they are.
std::string CheckTsv(const CheckReport& report);

// One array of one object per deck, one object to a line.
std::string CheckJson(const CheckReport& report);

// "ﾃﾞｯｷ 5 件、規定外 2 件" and what else was found or passed over.
std::u16string CheckSummaryText(const CheckReport& report);

// The whole command: the table on the output (the summary as its last line, or on the error
// output after JSON), the problems on the error output; 0 when every deck is OK, 1 when one
// is not, 2 when a path could not be read.
CommandOutput CheckCommand(const CommandRequest& request, const CardDatabase& db);

}  // namespace zemlo

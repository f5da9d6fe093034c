// The program's second front end: --help, --version, --check, --text, --sheet and --compare,
// read by QCommandLineParser and run on the logic libraries without a window. Only --sheet
// paints, on the offscreen platform the program chooses itself, so no command needs a display.
#pragma once

namespace zemlo {

// Whether the program's arguments ask for the command line rather than the window
// (WantsCommandLine).
bool IsCommandLine(int argc, char** argv);

// Runs the command the arguments ask for and returns the exit status: 0 every deck OK, 1 a deck
// breaks a rule or names cards the card data lacks, 2 a usage error or a file that could not
// be read or written. Reads only the card data and the files named; writes only the file -o
// names (and a sheet's further pages beside it); never the settings file or the first-start
// flag. Output is UTF-8 whatever the locale.
int RunCommandLine(int argc, char** argv);

}  // namespace zemlo

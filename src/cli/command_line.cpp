#include "cli/command_line.h"

#include <unistd.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDate>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cerrno>
#include <string_view>
#include <vector>

#include "cli/argument_text.h"
#include "cli/check_report.h"
#include "cli/command_decks.h"
#include "cli/command_request.h"
#include "cli/deck_commands.h"
#include "deckfile/deck_sheet_painter.h"
#include "platform/program_dir.h"

namespace zemlo {
namespace {

QString Q(std::u16string_view text) {
    return QString::fromStdU16String(std::u16string(text));
}

std::u16string U(const QString& text) {
    return text.toStdU16String();
}

// Every byte, whatever the locale: the output is UTF-8 already. Returns the errno of a failed
// write, 0 when all was written.
int WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return 0;
}

// Writes the command's output; an output that could not be written all (a full disk behind a
// redirection) is trouble, never success.
int Finish(CommandOutput output) {
    if (const int error = WriteAll(STDOUT_FILENO, output.out)) {
        output.Tell(u"標準出力に書き込めませんでした" + CauseText(FileStatus{error, false}));
        output.Raise(kStatusTrouble);
    }
    WriteAll(STDERR_FILENO, output.err);
    return output.status;
}

// The options, their help texts and their value names. Qt lines the texts up by characters,
// so the value names are ASCII and each line of a text holds at most 27 full-width characters
// (the terminal shows them two columns wide).
struct Options {
    QCommandLineOption help{{"h", "help"}, QStringLiteral("この説明を表示します。")};
    QCommandLineOption version{{"v", "version"}, QStringLiteral("バージョンを表示します。")};
    QCommandLineOption check{"check",
                             QStringLiteral("デッキファイルとフォルダ（その下のフォルダも）\n"
                                            "のデッキを規定で調べ、1デッキ1行で示します。")};
    QCommandLineOption format{"format",
                              QStringLiteral("--check の形式: tsv（既定。見出しの行つき）\n"
                                             "か json（1つの配列）。"),
                              "tsv|json"};
    QCommandLineOption text{"text", QStringLiteral("デッキを「ﾃﾞｯｷﾃﾞｰﾀをｸﾘｯﾌﾟﾎﾞｰﾄﾞに出力」\n"
                                                   "と同じテキストで書き出します。")};
    QCommandLineOption sheet{"sheet",
                             QStringLiteral("デッキシートを -o のファイルに書き出します。")};
    QCommandLineOption output{{"o", "output"},
                              QStringLiteral("--sheet の書き出し先（.pdf か .png）。.png の\n"
                                             "2ページめからは 名前-2.png、名前-3.png …。"),
                              "file"};
    QCommandLineOption player{"player", QStringLiteral("デッキシートのプレイヤー名（既定: 空）。"),
                              "name"};
    QCommandLineOption deckName{
        "deck-name", QStringLiteral("デッキシートのデッキ名（既定: ファイルの名前）。"), "name"};
    QCommandLineOption date{"date", QStringLiteral("デッキシートの日付（既定: 今日）。"),
                            "YYYY-MM-DD"};
    QCommandLineOption event{"event", QStringLiteral("デッキシートの大会名（既定: なし）。"),
                             "name"};
    QCommandLineOption compare{"compare",
                               QStringLiteral("2つのデッキの差分を「差分をｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ」\n"
                                              "と同じ行で書き出します。")};
    QCommandLineOption data{"data",
                            QStringLiteral("読むカードデータ。何度でも指定でき、書いた順に\n"
                                           "読みます。既定はプログラムのフォルダの\n"
                                           "ZEMLO.dat と、あれば ORVEL.dat。"),
                            "file"};

    void AddTo(QCommandLineParser& parser) const {
        for (const QCommandLineOption* option :
             {&help, &version, &check, &format, &text, &sheet, &output, &player, &deckName, &date,
              &event, &compare, &data}) {
            parser.addOption(*option);
        }
    }
};

std::optional<std::u16string> ValueOf(const QCommandLineParser& parser,
                                      const QCommandLineOption& option) {
    if (!parser.isSet(option)) return std::nullopt;
    return U(parser.value(option));
}

CommandArguments ArgumentsOf(const QCommandLineParser& parser, const Options& options) {
    CommandArguments arguments;
    arguments.help = parser.isSet(options.help);
    arguments.version = parser.isSet(options.version);
    arguments.check = parser.isSet(options.check);
    arguments.text = parser.isSet(options.text);
    arguments.sheet = parser.isSet(options.sheet);
    arguments.compare = parser.isSet(options.compare);
    for (const QString& path : parser.positionalArguments())
        arguments.positional.push_back(U(path));
    for (const QString& file : parser.values(options.data)) arguments.dataFiles.push_back(U(file));
    arguments.format = ValueOf(parser, options.format);
    arguments.output = ValueOf(parser, options.output);
    arguments.player = ValueOf(parser, options.player);
    arguments.deckName = ValueOf(parser, options.deckName);
    arguments.date = ValueOf(parser, options.date);
    arguments.event = ValueOf(parser, options.event);
    return arguments;
}

const char kDescription[] =
    "ZEMLOSAGAﾃﾞｯｷ作成支援ﾂｰﾙ\n"
    "引数なしか、デッキファイル1つでウインドウを開きます。\n"
    "--check、--text、--sheet、--compare はウインドウを開かずに働き、\n"
    "ディスプレイを要りません。\n"
    "終了コード: 0 すべてのデッキが規定どおり\n"
    "            1 規定外か、カードデータにないカードのあるデッキがある\n"
    "            2 指定の誤りか、読めない・書けないファイルがある";

// What the command line asks for, or the output that answers it at once: the help, the
// version, a usage error.
std::optional<CommandRequest> ReadCommandLine(int argc, char** argv, CommandOutput& answer) {
    // The parser's own words (usage, unknown options) in Japanese, as the window's dialogs are.
    int appArgc = 1;
    QCoreApplication app(appArgc, argv);
    QTranslator qtTranslator;
    if (qtTranslator.load(QStringLiteral("qtbase_ja"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qtTranslator);
    }

    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << Q(ArgumentText(argv[i]));
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(kDescription));
    parser.addPositionalArgument(QStringLiteral("deck"),
                                 QStringLiteral("デッキファイル（--check ではフォルダも）。"),
                                 QStringLiteral("[deck|folder ...]"));
    const Options options;
    options.AddTo(parser);

    if (!parser.parse(arguments)) {
        answer.Tell(U(parser.errorText()) + u"\n詳しくは zemlo-deck --help をご覧ください。");
        answer.Raise(kStatusTrouble);
        return std::nullopt;
    }
    const Interpretation meaning = Interpret(ArgumentsOf(parser, options));
    if (!meaning.request) {
        answer.Tell(meaning.problem + u"\n詳しくは zemlo-deck --help をご覧ください。");
        answer.Raise(kStatusTrouble);
        return std::nullopt;
    }
    if (meaning.request->command == Command::Help) {
        answer.out = parser.helpText().toStdString();
        return std::nullopt;
    }
    if (meaning.request->command == Command::Version) {
        answer.out = "zemlo-deck " ZEMLO_VERSION "\n";
        return std::nullopt;
    }
    return meaning.request;
}

SheetDate Today() {
    const QDate today = QDate::currentDate();
    return SheetDate{today.year(), today.month(), today.day()};
}

CommandOutput SheetCommand(const CommandRequest& request, const CardDatabase& db, char* program) {
    CommandOutput output;
    const std::optional<SheetJob> job = PrepareSheet(request, db, Today(), output);
    if (!job) return output;

    // The sheet is painted with the toolkit's fonts; the offscreen platform needs no display,
    // whatever QT_QPA_PLATFORM says.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int appArgc = 1;
    char* appArgv[] = {program, nullptr};
    QGuiApplication app(appArgc, appArgv);

    std::vector<QByteArray> pages;
    if (request.sheetFormat == SheetFormat::Pdf) {
        pages.push_back(SheetPdf(job->sheet));
    } else {
        pages = SheetPngs(job->sheet);
    }
    for (size_t page = 0; page < pages.size() && page < job->files.size(); ++page) {
        const QByteArray& bytes = pages[page];
        if (!WriteCommandFile(job->files[page], std::string_view(bytes.constData(), bytes.size()),
                              output)) {
            break;
        }
    }
    return output;
}

}  // namespace

bool IsCommandLine(int argc, char** argv) {
    std::vector<std::string_view> arguments;
    for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);
    return WantsCommandLine(arguments);
}

int RunCommandLine(int argc, char** argv) {
    CommandOutput answer;
    const std::optional<CommandRequest> request = ReadCommandLine(argc, argv, answer);
    if (!request) return Finish(answer);

    CardDatabase db;
    CommandOutput loading;
    if (!LoadCommandCardData(db, request->dataFiles, ProgramDirectory(), loading)) {
        return Finish(loading);
    }
    WriteAll(STDERR_FILENO, loading.err);

    switch (request->command) {
        case Command::Check:
            return Finish(CheckCommand(*request, db));
        case Command::Text:
            return Finish(DeckTextCommand(*request, db));
        case Command::Compare:
            return Finish(CompareCommand(*request, db));
        case Command::Sheet:
            return Finish(SheetCommand(*request, db, argv[0]));
        case Command::Help:
        case Command::Version:
            break;
    }
    return kStatusOk;
}

}  // namespace zemlo

// zentadata: the database sources tool.
//   zentadata compile SOURCES OUT     sources folder -> database resource
//   zentadata check RESOURCE          load with the viewer's loader, check, print a summary;
//                                     given a sources folder, also the editorial warnings
//   zentadata dump RESOURCE FOLDER    database resource -> sources folder (a new or empty
//                                     one; -f/--force first removes the sources it holds)
// --help and --version answer on standard output; a mistake on the command line is one line
// and the usage on standard error, with exit status 2.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cstdio>

#include "database/writer.h"
#include "tools/sources/check.h"
#include "tools/sources/compile.h"
#include "tools/sources/dump.h"
#include "tools/sources/review.h"

using namespace zentaloger;
using namespace zentaloger::sources;

namespace {

void Print(FILE* stream, const QString& text) {
    std::fputs(text.toUtf8().constData(), stream);
}

// One command: its name, its arguments as the usage line names them, and what it does.
struct Command {
    QString name;
    QStringList arguments;
    QString summary;
    QString option;  // the command's own option, as the usage line writes it, or empty
};

const Command kCommands[] = {
    {QStringLiteral("compile"),
     {QStringLiteral("SOURCES"), QStringLiteral("OUT")},
     QStringLiteral("Compile the sources folder SOURCES into the database resource OUT."),
     QString()},
    {QStringLiteral("check"),
     {QStringLiteral("RESOURCE")},
     QStringLiteral("Load RESOURCE as the viewer does, check it and print a summary (a sources "
                    "folder is compiled first and also gets its editorial warnings)."),
     QString()},
    {QStringLiteral("dump"),
     {QStringLiteral("RESOURCE"), QStringLiteral("FOLDER")},
     QStringLiteral("Write the sources of RESOURCE into FOLDER, new or empty unless -f."),
     QStringLiteral("[-f | --force] ")},
};

QString UsageLine(const Command& c) {
    return QStringLiteral("Usage: zentadata %1 [-h | --help] %2%3\n")
        .arg(c.name, c.option, c.arguments.join(u' '));
}

QString Usage() {
    QString text;
    for (const Command& c : kCommands) {
        text += (text.isEmpty() ? QStringLiteral("Usage: ") : QStringLiteral("       ")) %
                QStringLiteral("zentadata ") % c.name % u' ' % c.option % c.arguments.join(u' ') %
                u'\n';
    }
    return text + QStringLiteral("       zentadata --help | --version\n");
}

QString Help() {
    QString text = Usage() + QStringLiteral(
                                 "\nThe Zentaloger database tool: compiles the database sources "
                                 "into the\nresource that the viewer embeds, checks a resource "
                                 "and writes one back\nas sources.\n\nCommands:\n");
    for (const Command& c : kCommands) {
        text += QStringLiteral("  %1%2\n").arg(c.name, -10).arg(c.summary);
    }
    return text + QStringLiteral(
                      "\nOptions:\n"
                      "  -h, --help     Show this help and exit.\n"
                      "  -v, --version  Show the version and exit.\n"
                      "\n'zentadata COMMAND --help' describes one command.\n");
}

// A mistake on the command line: one line that says what, then the usage, exit status 2.
int Mistake(const QString& what, const QString& usage) {
    Print(stderr, QStringLiteral("zentadata: ") + what + u'\n' + usage);
    return 2;
}

// The parser's own message ("Unknown option 'x'.") in this tool's words, quoting an unknown
// option as it was written (the parser names it without its dashes).
QString ParseError(const QCommandLineParser& parser, const QStringList& arguments) {
    if (!parser.unknownOptionNames().isEmpty()) {
        const QString name = parser.unknownOptionNames().constFirst();
        for (const QString& argument : arguments) {
            const QString written = argument.section(u'=', 0, 0);
            qsizetype dashes = 0;
            while (dashes < written.size() && written[dashes] == u'-') {
                ++dashes;
            }
            if (dashes > 0 && written.mid(dashes) == name) {
                return QStringLiteral("unknown option '%1'").arg(written);
            }
        }
        return QStringLiteral("unknown option '%1'").arg(name);
    }
    QString error = parser.errorText();
    if (error.endsWith(u'.')) {
        error.chop(1);
    }
    if (!error.isEmpty()) {
        error[0] = error[0].toLower();
    }
    return error;
}

bool ReadBytes(const QString& path, QByteArray* bytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Print(stderr, QStringLiteral("zentadata: %1: %2\n").arg(path, file.errorString()));
        return false;
    }
    *bytes = file.readAll();
    return true;
}

// Reads, compiles and encodes a sources folder, printing every error and each editorial
// warning (warnings do not stop the build, but it shows them).
bool CompileFolder(const QString& folder, QByteArray* bytes) {
    const ReadResult read = ReadSources(folder);
    const CompileResult compiled = Compile(read);
    for (const Diagnostic& d : compiled.errors) {
        Print(stderr, d.InFolder(folder) + u'\n');
    }
    if (!compiled.errors.empty()) {
        Print(stderr, QStringLiteral("zentadata: %1 error(s); nothing written\n")
                          .arg(compiled.errors.size()));
        return false;
    }
    for (Diagnostic d : Review(read.set)) {
        d.message.prepend(QStringLiteral("warning: "));
        Print(stderr, d.InFolder(folder) + u'\n');
    }
    try {
        *bytes = EncodeResource(compiled.fields);
    } catch (const EncodeError& e) {
        Print(stderr, QStringLiteral("zentadata: field %1: %2\n")
                          .arg(e.field())
                          .arg(QString::fromUtf8(e.what())));
        return false;
    }
    return true;
}

int CompileCommand(const QString& folder, const QString& out) {
    QByteArray bytes;
    if (!CompileFolder(folder, &bytes)) {
        return 1;
    }
    QSaveFile file(out);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        Print(stderr, QStringLiteral("zentadata: %1: %2\n").arg(out, file.errorString()));
        return 1;
    }
    return 0;
}

int CheckCommand(const QString& path) {
    QByteArray bytes;
    if (QFileInfo(path).isDir() ? !CompileFolder(path, &bytes) : !ReadBytes(path, &bytes)) {
        return 1;
    }
    const CheckReport report = CheckResource(bytes);
    Print(stdout, QStringLiteral("%1: %2 bytes\n").arg(path).arg(bytes.size()) + report.summary);
    for (const QString& p : report.problems) {
        Print(stderr, QStringLiteral("%1: %2\n").arg(path, p));
    }
    return report.problems.isEmpty() ? 0 : 1;
}

int DumpCommand(const QString& path, const QString& folder, bool force) {
    QByteArray bytes;
    if (!ReadBytes(path, &bytes)) {
        return 1;
    }
    const DumpResult dumped = Decompile(bytes);
    if (!dumped.error.isEmpty()) {
        Print(stderr, QStringLiteral("zentadata: %1: %2\n").arg(path, dumped.error));
        return 1;
    }
    QString error;
    if (!WriteDump(dumped.set, folder, force, &error)) {
        Print(stderr, QStringLiteral("zentadata: %1\n").arg(error));
        return 1;
    }
    return 0;
}

// Runs one command once its arguments have been read.
int Run(const QString& command, const QStringList& a, bool force) {
    if (command == QLatin1String("compile")) {
        return CompileCommand(a[0], a[1]);
    }
    if (command == QLatin1String("check")) {
        return CheckCommand(a[0]);
    }
    return DumpCommand(a[0], a[1], force);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});

    // The tool's own options come before the command; what follows belongs to the command.
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(help);
    parser.addOption(version);
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const bool parsed = parser.parse(app.arguments());
    // Someone who asks for help gets it, whatever else the line holds.
    if (parser.isSet(help)) {
        Print(stdout, Help());
        return 0;
    }
    if (parser.isSet(version)) {
        Print(stdout, QStringLiteral("zentadata " ZENTALOGER_VERSION "\n"));
        return 0;
    }
    if (!parsed) {
        return Mistake(ParseError(parser, app.arguments()), Usage());
    }
    const QStringList rest = parser.positionalArguments();
    if (rest.isEmpty()) {
        return Mistake(QStringLiteral("no command given"), Usage());
    }
    const Command* command = nullptr;
    for (const Command& c : kCommands) {
        if (c.name == rest[0]) {
            command = &c;
        }
    }
    if (command == nullptr) {
        return Mistake(QStringLiteral("unknown command '%1'").arg(rest[0]), Usage());
    }

    QCommandLineParser commandParser;
    commandParser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    commandParser.addOption(help);
    const QCommandLineOption force(QStringList{QStringLiteral("f"), QStringLiteral("force")});
    if (!command->option.isEmpty()) {
        commandParser.addOption(force);
    }
    const QStringList commandLine = QStringList{app.arguments()[0]} + rest.mid(1);
    const bool commandParsed = commandParser.parse(commandLine);
    if (commandParser.isSet(help)) {
        Print(stdout, UsageLine(*command) + command->summary + u'\n');
        return 0;
    }
    if (!commandParsed) {
        return Mistake(
            command->name + QStringLiteral(": ") + ParseError(commandParser, commandLine),
            UsageLine(*command));
    }
    const QStringList arguments = commandParser.positionalArguments();
    if (arguments.size() != command->arguments.size()) {
        return Mistake(QStringLiteral("%1: expected %2, got %3 argument(s)")
                           .arg(command->name, command->arguments.join(u' '))
                           .arg(arguments.size()),
                       UsageLine(*command));
    }
    // Only a command that defines --force may ask for it: Qt warns about an undefined option.
    const bool forced = !command->option.isEmpty() && commandParser.isSet(force);
    return Run(command->name, arguments, forced);
}

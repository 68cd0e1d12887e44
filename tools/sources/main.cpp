// zentadata: the database sources tool.
//   zentadata compile SOURCES OUT     sources folder -> database resource
//   zentadata check RESOURCE          load with the viewer's loader, check, print a summary
//   zentadata dump RESOURCE FOLDER    database resource -> sources folder

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <cstdio>

#include "check.h"
#include "compile.h"
#include "dump.h"
#include "writer.h"

using namespace zentaloger;
using namespace zentaloger::sources;

namespace {

void Print(FILE* stream, const QString& text) {
    std::fputs(text.toUtf8().constData(), stream);
}

int Usage() {
    Print(stderr,
          QStringLiteral(
              "usage: zentadata compile SOURCES OUT | check RESOURCE | dump RESOURCE FOLDER\n"));
    return 2;
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

int CompileCommand(const QString& folder, const QString& out) {
    const ReadResult read = ReadSources(folder);
    std::vector<Diagnostic> errors = read.errors;
    CompileResult compiled;
    if (errors.empty()) {
        compiled = Compile(read.set);
        errors = compiled.errors;
    }
    for (const Diagnostic& d : errors) {
        Print(stderr, QStringLiteral("%1/%2\n").arg(folder, d.ToString()));
    }
    if (!errors.empty()) {
        Print(stderr,
              QStringLiteral("zentadata: %1 error(s); nothing written\n").arg(errors.size()));
        return 1;
    }
    QByteArray bytes;
    try {
        bytes = EncodeResource(compiled.fields);
    } catch (const EncodeError& e) {
        Print(stderr, QStringLiteral("zentadata: field %1: %2\n")
                          .arg(e.field())
                          .arg(QString::fromUtf8(e.what())));
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
    if (!ReadBytes(path, &bytes)) {
        return 1;
    }
    const CheckReport report = CheckResource(bytes);
    Print(stdout, QStringLiteral("%1: %2 bytes\n").arg(path).arg(bytes.size()) + report.summary);
    for (const QString& p : report.problems) {
        Print(stderr, QStringLiteral("%1: %2\n").arg(path, p));
    }
    return report.problems.isEmpty() ? 0 : 1;
}

int DumpCommand(const QString& path, const QString& folder) {
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
    if (!WriteSources(dumped.set, folder, &error)) {
        Print(stderr, QStringLiteral("zentadata: %1\n").arg(error));
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 3 && args[0] == QLatin1String("compile")) {
        return CompileCommand(args[1], args[2]);
    }
    if (args.size() == 2 && args[0] == QLatin1String("check")) {
        return CheckCommand(args[1]);
    }
    if (args.size() == 3 && args[0] == QLatin1String("dump")) {
        return DumpCommand(args[1], args[2]);
    }
    return Usage();
}

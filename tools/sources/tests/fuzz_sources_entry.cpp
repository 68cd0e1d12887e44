#include "tools/sources/tests/fuzz_sources_entry.h"

#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "database/database.h"
#include "database/writer.h"
#include "tools/sources/compile.h"
#include "tools/sources/sources.h"
#include "tools/sources/tests/fixture.h"

namespace zentaloger::fuzz {
namespace {

using sources::Diagnostic;
using sources::ReadResult;
using sources::SourceFile;

// A diagnostic is one line of the tool's output; it quotes values only in part.
constexpr qsizetype kMaxMessage = 400;

// The fixture's files, written and listed once.
const std::vector<SourceFile>& ValidFiles() {
    static const std::vector<SourceFile> files = [] {
        const QTemporaryDir dir;
        QString error;
        std::vector<Diagnostic> errors;
        std::vector<SourceFile> listed;
        if (dir.isValid() && sources::WriteSources(sources::Fixture(), dir.path(), &error)) {
            listed = sources::ListSourceFiles(dir.path(), errors);
        }
        if (listed.empty() || !errors.empty()) {
            std::fprintf(stderr, "fuzz_sources: the fixture cannot be written: %s\n",
                         qPrintable(errors.empty() ? error : errors.front().ToString()));
            std::abort();
        }
        return listed;
    }();
    return files;
}

int LineCount(const QByteArray& bytes) {
    return static_cast<int>(bytes.count('\n')) + 1;
}

// What is wrong with a diagnostic of the case, or nothing.
QString Fault(const Diagnostic& d, const SourceFile& replaced) {
    if (d.message.isEmpty()) {
        return QStringLiteral("a diagnostic without a message");
    }
    if (d.message.size() > kMaxMessage) {
        return QStringLiteral("a diagnostic of %1 characters").arg(d.message.size());
    }
    if (d.file == QLatin1String("moves")) {  // the folder, for the count of all moves
        return d.line == 0 ? QString() : QStringLiteral("a line in the moves folder");
    }
    int lines = 0;
    if (d.file == replaced.path) {
        lines = LineCount(replaced.bytes);
    } else {
        const std::vector<SourceFile>& files = ValidFiles();
        const auto it = std::find_if(files.begin(), files.end(),
                                     [&](const SourceFile& f) { return f.path == d.file; });
        if (it == files.end()) {
            return QStringLiteral("a diagnostic that names no file of the set");
        }
        lines = LineCount(it->bytes);
    }
    if (d.line < 1 || d.line > lines) {
        return QStringLiteral("a diagnostic whose line is not in its file of %1 lines").arg(lines);
    }
    return QString();
}

Outcome Refused(const std::vector<Diagnostic>& errors, const SourceFile& replaced) {
    for (const Diagnostic& d : errors) {
        const QString fault = Fault(d, replaced);
        if (!fault.isEmpty()) {
            return {Outcome::Result::Broken, fault + QStringLiteral(": ") + d.ToString()};
        }
    }
    return {Outcome::Result::Refused, errors.front().ToString()};
}

Outcome Run(const std::uint8_t* data, std::size_t size) {
    const std::vector<SourceFile>& files = ValidFiles();
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype newline = input.indexOf('\n');
    const QByteArray name = newline < 0 ? input : input.left(newline);
    const auto named = std::find_if(files.begin(), files.end(), [&](const auto& f) {
        return f.path == QString::fromUtf8(name);
    });
    unsigned sum = 0;
    for (const char c : name) {
        sum += static_cast<unsigned char>(c);
    }
    const std::size_t index =
        named != files.end() ? static_cast<std::size_t>(named - files.begin()) : sum % files.size();
    const SourceFile replaced{files[index].path,
                              newline < 0 ? QByteArray() : input.mid(newline + 1)};

    // The fixture's other files read cleanly, so every error the set has is this file's.
    ReadResult all;
    for (std::size_t i = 0; i < files.size(); ++i) {
        sources::ReadSourceFile(i == index ? replaced : files[i], all);
    }
    const sources::CompileResult compiled = sources::Compile(all);
    if (!compiled.errors.empty()) {
        return Refused(compiled.errors, replaced);
    }
    try {
        LoadDatabase(EncodeResource(compiled.fields));
    } catch (const EncodeError& e) {
        return {Outcome::Result::Broken,
                QStringLiteral("compiled a field that cannot be encoded: ") + e.what()};
    } catch (const DatabaseError& e) {
        return {Outcome::Result::Broken,
                QStringLiteral("compiled a resource the loader rejects: ") + e.what()};
    }
    return {Outcome::Result::Passed, QString()};
}

}  // namespace

Outcome RunSourcesCase(const std::uint8_t* data, std::size_t size) {
    try {
        return Run(data, size);
    } catch (const std::exception& e) {
        return {Outcome::Result::Broken, QStringLiteral("an exception escaped: ") + e.what()};
    }
}

}  // namespace zentaloger::fuzz

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

// The fixture written as files and read once; each file's part of the read set is kept apart,
// so that a case reads only the file it replaces.
struct ValidSet {
    std::vector<SourceFile> files;
    std::vector<ReadResult> parts;  // parts[i] is what files[i] adds to the set
};

[[noreturn]] void SetUpFailed(const QString& why) {
    std::fprintf(stderr, "fuzz_sources: the fixture %s\n", why.toUtf8().constData());
    std::abort();
}

const ValidSet& Valid() {
    static const ValidSet valid = [] {
        ValidSet v;
        const QTemporaryDir dir;
        QString error;
        if (!dir.isValid() || !sources::WriteSources(sources::Fixture(), dir.path(), &error)) {
            SetUpFailed(QStringLiteral("cannot be written: ") + error);
        }
        std::vector<Diagnostic> errors;
        v.files = sources::ListSourceFiles(dir.path(), errors);
        for (const SourceFile& file : v.files) {
            v.parts.emplace_back();
            sources::ReadSourceFile(file, v.parts.back());
            errors.insert(errors.end(), v.parts.back().errors.begin(), v.parts.back().errors.end());
        }
        if (!errors.empty() || v.files.empty()) {
            SetUpFailed(QStringLiteral("does not read cleanly: ") +
                        (errors.empty() ? QStringLiteral("no files") : errors.front().ToString()));
        }
        return v;
    }();
    return valid;
}

// Adds `part` after what `into` holds, as reading one more file would.
void Append(ReadResult& into, const ReadResult& part) {
    const auto add = [](auto& to, const auto& from) {
        to.insert(to.end(), from.begin(), from.end());
    };
    add(into.set.types, part.set.types);
    add(into.set.moves, part.set.moves);
    for (const auto& [n, move] : part.set.tm) {
        into.set.tm[n] = move;
    }
    for (const auto& [n, move] : part.set.hm) {
        into.set.hm[n] = move;
    }
    for (const auto& [key, line] : part.set.machineLine) {
        into.set.machineLine[key] = line;
    }
    add(into.set.families, part.set.families);
    add(into.set.species, part.set.species);
    add(into.errors, part.errors);
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
        const std::vector<SourceFile>& files = Valid().files;
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
    const ValidSet& valid = Valid();
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype newline = input.indexOf('\n');
    const QByteArray name = newline < 0 ? input : input.left(newline);
    const auto named = std::find_if(valid.files.begin(), valid.files.end(), [&](const auto& f) {
        return f.path == QString::fromUtf8(name);
    });
    unsigned sum = 0;
    for (const char c : name) {
        sum += static_cast<unsigned char>(c);
    }
    const std::size_t index = named != valid.files.end()
                                  ? static_cast<std::size_t>(named - valid.files.begin())
                                  : sum % valid.files.size();
    const SourceFile replaced{valid.files[index].path,
                              newline < 0 ? QByteArray() : input.mid(newline + 1)};

    // The other files read cleanly, so the set has errors exactly when this file has.
    ReadResult own;
    sources::ReadSourceFile(replaced, own);
    if (!own.errors.empty()) {
        return Refused(own.errors, replaced);
    }
    ReadResult all;
    for (std::size_t i = 0; i < valid.parts.size(); ++i) {
        Append(all, i == index ? own : valid.parts[i]);
    }
    const sources::CompileResult compiled = sources::Compile(all.set);
    if (!compiled.errors.empty()) {
        return Refused(compiled.errors, replaced);
    }
    QByteArray resource;
    try {
        resource = EncodeResource(compiled.fields);
    } catch (const EncodeError& e) {
        return {Outcome::Result::Broken,
                QStringLiteral("compiled a field that cannot be encoded: ") + e.what()};
    }
    try {
        LoadDatabase(resource);
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

QByteArray FixtureFile(const QString& path) {
    for (const SourceFile& f : Valid().files) {
        if (f.path == path) {
            return f.bytes;
        }
    }
    return QByteArray();
}

}  // namespace zentaloger::fuzz

#pragma once
// The reader's view of one TOML source file: typed look-ups of its entries that check the
// text rules and report each problem with the file and the line it stands on. Used only by
// the sources reader.

#include <toml++/toml.h>
#include <QRegularExpression>
#include <QString>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <vector>

#include "tools/sources/rules.h"
#include "tools/sources/sources.h"

namespace zentaloger::sources {

inline QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

inline int LineOf(const toml::node& node) {
    return static_cast<int>(node.source().begin.line);
}

// The text rules an entry must satisfy, beyond being a string.
struct TextRule {
    int min = 1;
    int max = 1000;
    bool upperCase = false;
    bool spaces = true;       // false: no space at all (species names)
    bool storedGaps = false;  // length counts each space as three blanks (move names)
};

class FileReader {
  public:
    FileReader(QString file, std::vector<Diagnostic>& errors)
        : file_(std::move(file)), errors_(errors) {}

    const QString& file() const { return file_; }

    void Error(int line, const QString& message) { errors_.push_back({file_, line, message}); }

    Where At(const toml::node& node) const { return {file_, LineOf(node)}; }

    // Unknown keys are mistakes (a misspelt key would otherwise be silently ignored).
    void CheckKeys(const toml::table& table, std::initializer_list<std::string_view> allowed,
                   const QString& what) {
        for (const auto& [key, value] : table) {
            if (std::find(allowed.begin(), allowed.end(), key.str()) == allowed.end()) {
                Error(LineOf(value), QStringLiteral("unknown key %1 in %2")
                                         .arg(rules::QuoteForMessage(Q(key.str())), what));
            }
        }
    }

    const toml::node* Required(const toml::table& table, std::string_view key, const QString& what,
                               int line) {
        const toml::node* node = table.get(key);
        if (!node) {
            Error(line, QStringLiteral("%1 has no \"%2\"").arg(what, Q(key)));
        }
        return node;
    }

    std::optional<QString> Text(const toml::node* node, const QString& what, const TextRule& rule) {
        if (!node) {
            return std::nullopt;
        }
        const auto* s = node->as_string();
        if (!s) {
            Error(LineOf(*node), QStringLiteral("%1 must be a string").arg(what));
            return std::nullopt;
        }
        const QString text = Q(s->get());
        const int line = LineOf(*node);
        if (const auto bad = rules::FirstDisallowedCharacter(text)) {
            Error(line,
                  QStringLiteral("%1 contains the character %2, which the database cannot hold")
                      .arg(what, *bad));
            return std::nullopt;
        }
        if (!rule.spaces && text.contains(u' ')) {
            Error(line, QStringLiteral("%1 %2 must not contain spaces")
                            .arg(what, rules::QuoteForMessage(text)));
            return std::nullopt;
        }
        if (!rules::HasSingleSpaces(text)) {
            Error(line, QStringLiteral("%1 %2 has a leading, trailing or doubled space")
                            .arg(what, rules::QuoteForMessage(text)));
            return std::nullopt;
        }
        if (rule.upperCase && rules::HasLowerCase(text)) {
            Error(
                line,
                QStringLiteral("%1 %2 must be upper case").arg(what, rules::QuoteForMessage(text)));
            return std::nullopt;
        }
        const int length =
            static_cast<int>(rule.storedGaps ? rules::StoredMoveName(text).size() : text.size());
        if (length < rule.min || length > rule.max) {
            const QString counted =
                rule.storedGaps ? QStringLiteral(" (each space counts three)") : QString();
            Error(line, QStringLiteral("%1 has %2 characters%3; it must have %4 to %5")
                            .arg(what)
                            .arg(length)
                            .arg(counted)
                            .arg(rule.min)
                            .arg(rule.max));
            return std::nullopt;
        }
        return text;
    }

    std::optional<int> Integer(const toml::node* node, const QString& what, qint64 min,
                               qint64 max) {
        if (!node) {
            return std::nullopt;
        }
        const auto* i = node->as_integer();
        if (!i) {
            Error(LineOf(*node), QStringLiteral("%1 must be a whole number").arg(what));
            return std::nullopt;
        }
        const qint64 v = i->get();
        if (v < min || v > max) {
            Error(
                LineOf(*node),
                QStringLiteral("%1 is %2; it must be %3 to %4").arg(what).arg(v).arg(min).arg(max));
            return std::nullopt;
        }
        return static_cast<int>(v);
    }

    // A table of {ru, en} texts such as `name.en = ...` / `name.ru = ...`.
    std::optional<LocalText> Local(const toml::table& parent, std::string_view key,
                                   const QString& what, int line, const TextRule& ru,
                                   const TextRule& en) {
        const toml::node* node = Required(parent, key, what, line);
        if (!node) {
            return std::nullopt;
        }
        const auto* table = node->as_table();
        if (!table) {
            Error(LineOf(*node), QStringLiteral("%1 \"%2\" must be a table with \"ru\" and \"en\"")
                                     .arg(what, Q(key)));
            return std::nullopt;
        }
        CheckKeys(*table, {"ru", "en"}, QStringLiteral("%1 \"%2\"").arg(what, Q(key)));
        const int at = LineOf(*node);
        const auto r = Text(Required(*table, "ru", QStringLiteral("%1 %2").arg(what, Q(key)), at),
                            QStringLiteral("%1 %2.ru").arg(what, Q(key)), ru);
        const auto e = Text(Required(*table, "en", QStringLiteral("%1 %2").arg(what, Q(key)), at),
                            QStringLiteral("%1 %2.en").arg(what, Q(key)), en);
        if (!r || !e) {
            return std::nullopt;
        }
        return LocalText{*r, *e};
    }

    const toml::array* Array(const toml::node* node, const QString& what) {
        if (!node) {
            return nullptr;
        }
        const auto* a = node->as_array();
        if (!a) {
            Error(LineOf(*node), QStringLiteral("%1 must be an array").arg(what));
        }
        return a;
    }

    // The [[key]] tables of a file.
    std::vector<const toml::table*> Tables(const toml::table& root, std::string_view key) {
        std::vector<const toml::table*> tables;
        const toml::node* node = root.get(key);
        if (!node) {
            return tables;
        }
        const auto* array = node->as_array();
        if (!array) {
            Error(LineOf(*node),
                  QStringLiteral("\"%1\" must be written as [[%1]] tables").arg(Q(key)));
            return tables;
        }
        for (const toml::node& element : *array) {
            if (const auto* t = element.as_table()) {
                tables.push_back(t);
            } else {
                Error(LineOf(element), QStringLiteral("each \"%1\" must be a table").arg(Q(key)));
            }
        }
        return tables;
    }

  private:
    QString file_;
    std::vector<Diagnostic>& errors_;
};

inline std::optional<toml::table> ParseFile(const SourceFile& file,
                                            std::vector<Diagnostic>& errors) {
    try {
        return toml::parse(
            std::string_view(file.bytes.constData(), static_cast<size_t>(file.bytes.size())),
            file.path.toStdString());
    } catch (const toml::parse_error& e) {
        errors.push_back({file.path, static_cast<int>(e.source().begin.line),
                          QStringLiteral("not valid TOML: ") + Q(e.description())});
        return std::nullopt;
    }
}

}  // namespace zentaloger::sources

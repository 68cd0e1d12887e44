// The database library: the Windows-1251 table checked against the C library's own converter
// in both directions; the loader on the synthetic database and on damaged copies of it (chosen
// entries of what loads, and the error kind, field, byte and message of what does not,
// including the reference checks that keep every reader inside its table); the view state's
// helpers; and start-up from a resource file that is not there.
#include <iconv.h>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <limits>
#include <memory>
#include <optional>

#include "database/codec.h"
#include "database/database.h"
#include "database/startup.h"
#include "database/tests/resource_edit.h"
#include "database/viewstate.h"

using namespace zentaloger;
using namespace zentaloger::testing;
using Kind = DatabaseError::Kind;

namespace {

// One conversion through iconv(3); nothing when iconv finds no counterpart.
std::optional<QByteArray> Iconv(const char* to, const char* from, QByteArray in) {
    const iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        qFatal("iconv has no %s to %s", from, to);
    }
    QByteArray out(16, '\0');
    char* inPtr = in.data();
    char* outPtr = out.data();
    std::size_t inLeft = in.size(), outLeft = out.size();
    const bool ok = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1);
    iconv_close(cd);
    return ok ? std::optional(out.left(out.size() - outLeft)) : std::nullopt;
}

QString S(QStringView text) {
    return text.toString();
}
QString S(Number n) {
    return QString::number(n);
}

using Entry = std::function<QString(const Database&)>;
// The entry `path` of the loaded database, shown as text.
#define AT(path) [](const Database& db) { return S(db.path); }

// In the synthetic data, species 10 uses 11 level slots, 10 TM slots, 2 HM slots and 5
// edition entries; species 60 heads a family of three; species 200 has no evolution.
constexpr int kS = 10;

}  // namespace

Q_DECLARE_METATYPE(Entry)
Q_DECLARE_METATYPE(DatabaseError::Kind)

class TestDatabase : public QObject {
    Q_OBJECT

  private slots:
    // Every byte decodes, alone and in a text, to the character that encodes back to it (the
    // encoder is checked against iconv below); 0x98, which iconv refuses, gives U+FFFD.
    void decodeReversesEncode() {
        QByteArray all;
        for (int b = 0; b < 256; ++b) {
            all.append(char(b));
        }
        const QString text = cp1251::DecodeBytes(all);
        QCOMPARE(text.size(), 256);
        for (int b = 0; b < 256; ++b) {
            const char16_t c = cp1251::Decode(static_cast<unsigned char>(b));
            QCOMPARE(text[b].unicode(), c);
            QVERIFY2(
                b == 0x98 ? c == 0xFFFD : cp1251::Encode(c) == static_cast<unsigned char>(b),
                qPrintable(QStringLiteral("byte 0x%1: U+%2").arg(b, 2, 16).arg(int(c), 4, 16)));
        }
    }

    // Every BMP character: we give a byte exactly when iconv does, and the same byte.
    void encodeAgreesWithIconv() {
        int encodable = 0;
        for (char32_t c = 0; c <= 0xFFFF; ++c) {
            const std::optional<unsigned char> ours = cp1251::Encode(char16_t(c));
            const char utf16[] = {char(c & 0xFF), char(c >> 8)};
            const bool surrogate = c >= 0xD800 && c <= 0xDFFF;
            const auto theirs =
                surrogate ? std::nullopt : Iconv("CP1251", "UTF-16LE", QByteArray(utf16, 2));
            QVERIFY2(ours.has_value() == theirs.has_value() &&
                         (!ours || QByteArray(1, char(*ours)) == *theirs),
                     qPrintable(QStringLiteral("U+%1").arg(int(c), 4, 16, QLatin1Char('0'))));
            encodable += ours.has_value();
        }
        QCOMPARE(encodable, 255);
    }

    // Rejected texts: the index of the first character without a byte. (What the encoder
    // writes is every loader test's input.)
    void encodeText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qsizetype>("badIndex");
        QTest::newRow("replacement character") << u"AB\uFFFD"_qs << qsizetype(2);
        QTest::newRow("first of two bad") << u"ok\u00E9\u00E8"_qs << qsizetype(2);
        QTest::newRow("surrogate pair") << u"Я\U0001F600"_qs << qsizetype(1);
    }

    void encodeText() {
        QFETCH(QString, text);
        qsizetype reported = -1;
        QVERIFY(!cp1251::EncodeText(text, &reported));
        QTEST(reported, "badIndex");
    }

    // Resources that must load, each with one entry whose complete shown text is known.
    void loaded_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<Entry>("entry");
        const QByteArray valid = EncodeResource(ValidFields());
        const auto F = ValidField;
        auto row = [](const char* name, const QByteArray& b, const QString& expected, Entry e) {
            QTest::newRow(name) << b << expected << e;
        };
        auto ok = [&](const char* name, const QString& expected, Entry e) {
            row(name, valid, expected, e);
        };
        auto edit = [&](const char* name, const FieldEdits& e, const QString& expected, Entry en) {
            row(name, WithFields(e), expected, en);
        };
        // Captions in front of the prefixed fields, the last entry of each table, and the rows
        // of each order; the synthetic evolutionary order puts the standalone species last to
        // first, its alphabetical orders differ per language.
        ok("move 0 type ru", u"ТИП:   "_qs + F(MoveFieldNo(0, 3)), AT(moves[0].moveType[0]));
        ok("move 249 power points", F(MoveFieldNo(249, 9)), AT(moves[249].movePowerPoints));
        ok("species 1 dual type en", u"TYPE:   "_qs + F(SpeciesFieldNo(1, 14)),
           AT(species[1].typeLabel[1]));
        ok("species 250 height ru", u"РОСТ:   "_qs + F(SpeciesFieldNo(250, 15)),
           AT(species[250].heightLabel[0]));
        ok("species 250 weight en", u"WEIGHT:   "_qs + F(SpeciesFieldNo(250, 18)),
           AT(species[250].weightLabel[1]));
        ok("species 250 edition entry 6", F(EditionNo(250, 6)), AT(species[250].editionInfo[6]));
        ok("row 93 evolutionary ru", u"251 - "_qs + testdata::TestSpeciesName(250, 0),
           AT(listLabel[93][0][1]));
        ok("row 17 alphabetical en", F(ListLabelNo(17, 1, 2)), AT(listLabel[17][1][2]));
        ok("species 91 evolution slot 1 hold en", F(EvolutionNo(91, 1, 5)),
           AT(species[91].evolutionHold[1][1]));
        ok("species 250 last level slot", F(LevelNo(250, 11, 1)),
           AT(species[250].levelMoveLevel[11]));
        ok("species 50 last TM label", F(TmNo(50, 49, 0)), AT(species[50].tmLabel[49]));
        ok("species 7 last HM move", F(HmNo(7, 6, 1)), AT(species[7].hmMove[6]));

        // Whatever follows the NUL that ends the last field is never read.
        row("without the four trailing NULs", valid.chopped(4), F(kFields),
            AT(species[250].hmMove[6]));
        row("garbage after the last NUL", valid.chopped(4) + "12a\x98\xFF no NUL", F(kFields),
            AT(species[250].hmMove[6]));

        // Values that are odd, but that every reader handles.
        edit("empty English type, after its caption", {{SpeciesFieldNo(3, 14), QString()}},
             u"TYPE:   "_qs, AT(species[3].typeLabel[1]));
        edit("number at the upper limit", {{MoveFieldNo(100, 7), u"2147483647"_qs}},
             u"2147483647"_qs, AT(moves[100].movePower));
        edit("number at the lower limit", {{MoveFieldNo(100, 8), u"-2147483648"_qs}},
             u"-2147483648"_qs, AT(moves[100].moveAccuracy));
        edit("TM label not matching its move", {{TmNo(kS, 0, 1), u"44"_qs}}, u"TM1"_qs,
             AT(species[kS].tmLabel[0]));
        edit("free TM slot with a label", {{TmNo(kS, 30, 0), u"TM44"_qs}}, u"TM44"_qs,
             AT(species[kS].tmLabel[30]));
        edit("free evolution slot with target 999", {{EvolutionNo(200, 0, 1), u"999"_qs}},
             u"999"_qs, AT(species[200].evolutionTo[0]));
        edit("highest move and species indices",
             {{LevelNo(kS, 0, 0), u"249"_qs},
              {HmNo(kS, 0, 1), u"249"_qs},
              {EvolutionNo(60, 0, 1), u"250"_qs}},
             u"250"_qs, AT(species[60].evolutionTo[0]));
        edit("text ending in blanks, kept", {{MoveFieldNo(2, 6), u"ends in blanks  "_qs}},
             u"ends in blanks  "_qs, AT(moves[2].moveDescription[1]));
        edit("numerical order permuted, a name spelt differently in another order",
             {{ListLabelNo(7, 0, 0), F(ListLabelNo(8, 0, 0))},
              {ListLabelNo(8, 0, 0), F(ListLabelNo(7, 0, 0))},
              {ListLabelNo(0, 1, 1), F(ListLabelNo(0, 1, 1)) + u'E'}},
             F(ListLabelNo(8, 0, 0)), AT(listLabel[7][0][0]));
        QByteArray undefined = WithFields({{MoveFieldNo(2, 5), u"a?b"_qs}});
        undefined[FieldStart(undefined, MoveFieldNo(2, 5)) + 1] = '\x98';
        row("undefined byte in a text", undefined, u"a\uFFFDb"_qs, AT(moves[2].moveDescription[0]));
    }

    void loaded() {
        QFETCH(QByteArray, bytes);
        QFETCH(Entry, entry);
        try {
            QTEST(entry(*LoadDatabase(bytes)), "expected");
            // Again into tables that held a one-field resource: their text block must grow.
            auto reused = std::make_unique<Database>();
            QVERIFY_THROWS_EXCEPTION(DatabaseError, LoadDatabase(QByteArray(2, '\0'), *reused));
            LoadDatabase(bytes, *reused);
            QTEST(entry(*reused), "expected");
        } catch (const DatabaseError& e) {
            QFAIL(e.what());
        }
    }

    // Damaged resources: the error kind, the 1-based field, the byte where it starts and a
    // part of the message.
    void rejected_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<DatabaseError::Kind>("kind");
        QTest::addColumn<int>("fieldNo");
        QTest::addColumn<qsizetype>("byte");  // -2: where fieldNo starts in these bytes
        QTest::addColumn<QString>("message");
        const qsizetype start = -2;
        const QByteArray valid = EncodeResource(ValidFields());
        const QString noNul = u"invalid argument: no NUL byte ends this field"_qs;
        auto row = [](const char* name, const QByteArray& b, Kind kind, int fieldNo, qsizetype byte,
                      const QString& message) {
            QTest::newRow(name) << b << kind << fieldNo << byte << message;
        };
        row("empty resource", {}, Kind::InvalidArgument, 1, 0, u"does not begin with a NUL"_qs);
        row("only the leading NUL", QByteArray(1, '\0'), Kind::InvalidArgument, 1, 1, noNul);
        row("missing leading NUL", valid.mid(1), Kind::InvalidArgument, 1, 0, {});
        const int description = SpeciesFieldNo(120, 19);  // in Russian
        row("truncated mid-field", valid.left(FieldStart(valid, description) + 10),
            Kind::InvalidArgument, description, start, noNul);
        row("last field without its NUL", valid.chopped(5), Kind::InvalidArgument, kFields, start,
            u"the resource ends after 51,194 complete fields"_qs);

        auto edit = [&row](const char* name, int fieldNo, const QString& text, Kind kind,
                           const char* message = "") {
            row(name, WithFields({{fieldNo, text}}), kind, fieldNo, start, message);
        };
        const int power = MoveFieldNo(0, 7);
        const int lastLevel = LevelNo(250, 11, 1);
        edit("empty last field, a Number", kFields, QString(), Kind::TypeMismatch);
        edit("letter after digits", SpeciesFieldNo(0, 1), u"12a"_qs, Kind::TypeMismatch);
        edit("leading plus", power, u"+5"_qs, Kind::TypeMismatch);
        edit("trailing blank", power, u"5 "_qs, Kind::TypeMismatch);
        edit("minus alone", power, u"-"_qs, Kind::TypeMismatch);
        edit("Cyrillic letter", lastLevel, u"1З"_qs, Kind::TypeMismatch);
        edit("just above INT32_MAX", power, u"2147483648"_qs, Kind::Overflow);
        edit("just below INT32_MIN", power, u"-2147483649"_qs, Kind::Overflow);
        edit("2^32 + 1, which wraps to 1", power, u"4294967297"_qs, Kind::Overflow);
        edit("2^64 + 5, which wraps to 5", lastLevel, u"18446744073709551621"_qs, Kind::Overflow);
        edit("digits then a letter past the limit", power, u"99999999999x"_qs, Kind::TypeMismatch);

        // A NUL inside move 0's name shifts every later field one place on: the first Number
        // field (7) receives the Russian description.
        std::vector<QString> fields = ValidFields();
        fields[0].insert(3, u'|');
        QByteArray split = EncodeResource(fields);
        split[FieldStart(split, 1) + 3] = '\0';
        row("stray NUL shifts the fields", split, Kind::TypeMismatch, power, start, {});

        // The whole message, on a resource whose every field is "0", so field n starts at byte
        // 2n - 1.
        const std::vector<QString> zeros(kFields, u"0"_qs);
        auto zero = [&zeros](int fieldNo, const QString& text) {
            std::vector<QString> f = zeros;
            f[fieldNo - 1] = text;
            return EncodeResource(f);
        };
        row("message of a type mismatch", zero(2248, u"12a"_qs), Kind::TypeMismatch, 2248, 4495,
            u"database: field 2,248 (byte 4,495): type mismatch: \"12a\" is not a number"_qs);
        row("message of an overflow", zero(1006, u"-2147483649"_qs), Kind::Overflow, 1006, 2011,
            u"database: field 1,006 (byte 2,011): overflow: \"-2147483649\" lies outside "
            "-2,147,483,648 to 2,147,483,647"_qs);
        row("long value shortened", zero(7, QString(60, u'7') + u'x'), Kind::TypeMismatch, 7, 13,
            u"(byte 13): type mismatch: \""_qs + QString(40, u'7') + u"...\" is not"_qs);

        // References a reader would follow out of its table.
        auto ref = [&row](const char* name, const FieldEdits& e, int fieldNo, const char* rule) {
            row(name, WithFields(e), Kind::InvalidReference, fieldNo, start,
                QString::fromUtf8(rule));
        };
        ref("level move index 250", {{LevelNo(kS, 0, 0), u"250"_qs}}, LevelNo(kS, 0, 0),
            "species 011, level slot 0: move index 250 is above 249");
        ref("used level slot without a move", {{LevelNo(kS, 3, 0), u"-1"_qs}}, LevelNo(kS, 3, 0),
            "move index 0 to 249, not -1");
        ref("free level slot given a level", {{LevelNo(kS, 11, 1), u"0"_qs}}, LevelNo(kS, 11, 0),
            "not -1");
        ref("free level slot with move 250", {{LevelNo(kS, 11, 0), u"250"_qs}}, LevelNo(kS, 11, 0),
            "species 011, level slot 11: move index 250 is above 249");
        ref("free TM slot with move -7", {{TmNo(kS, 30, 1), u"-7"_qs}}, TmNo(kS, 30, 1),
            "TM slot 30: move index -7 is below -1");
        ref("free TM slot with move 300", {{TmNo(kS, 40, 1), u"300"_qs}}, TmNo(kS, 40, 1),
            "above 249");
        ref("last HM slot of the last species", {{HmNo(250, 6, 1), u"250"_qs}}, HmNo(250, 6, 1),
            "species 251, HM slot 6");
        ref("evolution from 251", {{EvolutionNo(60, 0, 0), u"251"_qs}}, EvolutionNo(60, 0, 0),
            "species index 251 is above 250");
        ref("evolution to 251", {{EvolutionNo(60, 1, 1), u"251"_qs}}, EvolutionNo(60, 1, 1),
            "not 251");
        ref("free evolution slot given a source", {{EvolutionNo(200, 4, 0), u"0"_qs}},
            EvolutionNo(200, 4, 1), "not -1");
        ref("label with two digits", {{ListLabelNo(5, 1, 1), u"12 - X"_qs}}, ListLabelNo(5, 1, 1),
            "does not begin with a species number");
        ref("label 000", {{ListLabelNo(0, 1, 2), u"000 - X"_qs}}, ListLabelNo(0, 1, 2),
            "001 to 251");
        ref("label 252", {{ListLabelNo(250, 0, 2), u"252 - X"_qs}}, ListLabelNo(250, 0, 2),
            "001 to 251");
        ref("species twice in Russian alphabetical only",
            {{ListLabelNo(250, 0, 2), ValidField(ListLabelNo(0, 0, 2))}}, ListLabelNo(250, 0, 2),
            "exactly one");
        ref("edition entry 6 one too high", {{EditionNo(kS, 6), u"5"_qs}}, EditionNo(kS, 6),
            "edition entry 6");
        ref("edition entry 6 one too low", {{EditionNo(kS, 6), u"3"_qs}}, EditionNo(kS, 6),
            "edition entry 6");
        ref("edition entries with a gap", {{EditionNo(2, 1), QString()}}, EditionNo(2, 2),
            "species 003: edition entry 2 is used after the empty entry 1");
        ref("no edition at all", {{EditionNo(0, 0), QString()}}, EditionNo(0, 0), "no edition");
    }

    void rejected() {
        QFETCH(QByteArray, bytes);
        QFETCH(DatabaseError::Kind, kind);
        QFETCH(int, fieldNo);
        QFETCH(qsizetype, byte);
        QFETCH(QString, message);
        try {
            LoadDatabase(bytes);
            QFAIL("the resource loaded");
        } catch (const DatabaseError& e) {
            QCOMPARE(DatabaseError::kindName(e.kind()), DatabaseError::kindName(kind));
            QCOMPARE(e.field(), fieldNo);
            QCOMPARE(e.byteOffset(), byte == -2 ? FieldStart(bytes, fieldNo) : byte);
            const QString what = QString::fromStdString(e.what());
            QVERIFY2(what.startsWith(u"database: field "_qs) && what.contains(message) &&
                         what.contains(QStringLiteral(": %1: ").arg(DatabaseError::kindName(kind))),
                     e.what());
        }
    }

    void clampTopRow_data() {
        QTest::addColumn<Number>("topRow");
        QTest::addColumn<Number>("clamped");
        QTest::newRow("INT32_MIN") << std::numeric_limits<Number>::min() << 1;
        QTest::newRow("0") << 0 << 1;
        QTest::newRow("2") << 2 << 2;
        QTest::newRow("236, the last full page") << 236 << 236;
        QTest::newRow("237") << 237 << 236;
        QTest::newRow("INT32_MAX") << std::numeric_limits<Number>::max() << 236;
    }

    void clampTopRow() {
        QFETCH(Number, topRow);
        QTEST(ClampTopRow(topRow), "clamped");
    }

    void speciesNumberOfLabel_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("number");
        QTest::newRow("last") << u"251 - ZAB"_qs << 251;
        QTest::newRow("digits only") << u"042"_qs << 42;
        QTest::newRow("two characters") << u"12"_qs << 0;
        QTest::newRow("letter in the middle") << u"0a1 - X"_qs << 0;
        QTest::newRow("full-width digits") << u"１２３ - X"_qs << 0;
    }

    void speciesNumberOfLabel() {
        QFETCH(QString, label);
        QTEST(SpeciesNumberOfLabel(label), "number");
    }

    // A number that stands on no row. Finding and showing the species of every row, in every
    // order and language, is what test_form, test_pages and test_randomrun do throughout.
    void speciesOnNoRow() {
        const auto db = LoadDatabase(EncodeResource(ValidFields()));
        for (int number : {0, 252, -1}) {
            QCOMPARE(FindRowOfSpecies(*db, Language::English, Order::Alphabetical, number), -1);
        }
    }

    // A resource that cannot be read is named in the message. (Every window test starts up from
    // the good resource, and test_commandline from a damaged one.)
    void startUpWithoutResource() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("101"));
        try {
            StartUp(path);
            QFAIL("start-up succeeded");
        } catch (const std::runtime_error& e) {
            QCOMPARE(QString::fromUtf8(e.what()),
                     u"database: the program's resource "_qs + path + u" cannot be read"_qs);
        }
    }
};

QTEST_GUILESS_MAIN(TestDatabase)
#include "test_database.moc"

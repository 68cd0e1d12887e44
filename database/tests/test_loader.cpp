// The loader on the synthetic database and on damaged copies of it: exact tables for what
// loads, exact error kind, field and byte for what does not.
#include <QtTest>
#include <functional>
#include <memory>

#include "database.h"
#include "resource_edit.h"

using namespace zentaloger;
using namespace zentaloger::testing;
using Kind = DatabaseError::Kind;

namespace {

QString Num(Number n) {
    return QString::number(n);
}

// The loaded tables written back as fields in resource order. A prefixed entry that lacks its
// caption is written with a marker, so that it can never match a field of the input.
std::vector<QString> Flatten(const Database& db) {
    std::vector<QString> f;
    auto text = [&f](Text t) { f.push_back(t.toString()); };
    auto prefixed = [&f](Text t, const QString& prefix) {
        f.push_back(t.startsWith(prefix) ? t.mid(prefix.size()).toString()
                                         : QStringLiteral("<no caption> ") + t.toString());
    };
    const QString type[2] = {QStringLiteral("ТИП:   "), QStringLiteral("TYPE:   ")};
    const QString height[2] = {QStringLiteral("РОСТ:   "), QStringLiteral("HEIGHT:   ")};
    const QString weight[2] = {QStringLiteral("ВЕС:   "), QStringLiteral("WEIGHT:   ")};
    for (const MoveRecord& m : db.moves) {
        text(m.moveName[0]);
        text(m.moveName[1]);
        prefixed(m.moveType[0], type[0]);
        prefixed(m.moveType[1], type[1]);
        text(m.moveDescription[0]);
        text(m.moveDescription[1]);
        f.push_back(Num(m.movePower));
        f.push_back(Num(m.moveAccuracy));
        f.push_back(Num(m.movePowerPoints));
    }
    for (int s = 0; s < kSpeciesCount; ++s) {
        const SpeciesRecord& r = db.species[s];
        for (Number n : r.statLevel) {
            f.push_back(Num(n));
        }
        for (int order = 0; order < 3; ++order) {
            text(db.listLabel[s][0][order]);
            text(db.listLabel[s][1][order]);
        }
        for (int l = 0; l < 2; ++l) {
            prefixed(r.typeLabel[l], type[l]);
        }
        for (int l = 0; l < 2; ++l) {
            prefixed(r.heightLabel[l], height[l]);
        }
        for (int l = 0; l < 2; ++l) {
            prefixed(r.weightLabel[l], weight[l]);
        }
        text(r.description[0]);
        text(r.description[1]);
        for (Text e : r.editionInfo) {
            text(e);
        }
        for (int k = 0; k < 5; ++k) {
            f.push_back(Num(r.evolutionFrom[k]));
            f.push_back(Num(r.evolutionTo[k]));
            text(r.evolutionCondition[k][0]);
            text(r.evolutionCondition[k][1]);
            text(r.evolutionHold[k][0]);
            text(r.evolutionHold[k][1]);
        }
        for (int k = 0; k < 12; ++k) {
            f.push_back(Num(r.levelMoveMove[k]));
            f.push_back(Num(r.levelMoveLevel[k]));
        }
        for (int k = 0; k < 50; ++k) {
            text(r.tmLabel[k]);
            f.push_back(Num(r.tmMove[k]));
        }
        for (int k = 0; k < 7; ++k) {
            text(r.hmLabel[k]);
            f.push_back(Num(r.hmMove[k]));
        }
    }
    return f;
}

// The first field where two field lists differ, for a readable failure.
QString FirstDifference(const std::vector<QString>& got, const std::vector<QString>& want) {
    if (got.size() != want.size()) {
        return QStringLiteral("%1 fields instead of %2").arg(got.size()).arg(want.size());
    }
    for (std::size_t i = 0; i < got.size(); ++i) {
        if (got[i] != want[i]) {
            return QStringLiteral("field %1: \"%2\" instead of \"%3\"")
                .arg(i + 1)
                .arg(got[i], want[i]);
        }
    }
    return QString();
}

std::unique_ptr<Database> LoadOrFail(const QByteArray& bytes, QString* failure) {
    try {
        return LoadDatabase(bytes);
    } catch (const DatabaseError& e) {
        *failure = QString::fromStdString(e.what());
        return nullptr;
    }
}

QByteArray ValidBytes() {
    return EncodeResource(ValidFields());
}

using Entry = std::function<QString(const Database&)>;

}  // namespace

Q_DECLARE_METATYPE(Entry)
Q_DECLARE_METATYPE(DatabaseError::Kind)

class TestLoader : public QObject {
    Q_OBJECT

  private slots:
    // Single entries whose complete shown text is known: captions, last indices, row labels.
    void entries_data() {
        QTest::addColumn<Entry>("entry");
        QTest::addColumn<QString>("expected");
        auto row = [](const char* name, Entry e, const QString& expected) {
            QTest::newRow(name) << e << expected;
        };
        const auto F = ValidField;
        row(
            "move 0 type ru", [](auto& db) { return db.moves[0].moveType[0].toString(); },
            QStringLiteral("ТИП:   ") + F(MoveFieldNo(0, 3)));
        row(
            "move 249 type en", [](auto& db) { return db.moves[249].moveType[1].toString(); },
            QStringLiteral("TYPE:   ") + F(MoveFieldNo(249, 4)));
        row(
            "move 249 power points", [](auto& db) { return Num(db.moves[249].movePowerPoints); },
            F(MoveFieldNo(249, 9)));
        row(
            "species 0 type ru", [](auto& db) { return db.species[0].typeLabel[0].toString(); },
            QStringLiteral("ТИП:   ") + F(SpeciesFieldNo(0, 13)));
        row(
            "species 1 dual type en",
            [](auto& db) { return db.species[1].typeLabel[1].toString(); },
            QStringLiteral("TYPE:   ") + F(SpeciesFieldNo(1, 14)));
        row(
            "species 250 height ru",
            [](auto& db) { return db.species[250].heightLabel[0].toString(); },
            QStringLiteral("РОСТ:   ") + F(SpeciesFieldNo(250, 15)));
        row(
            "species 250 height en",
            [](auto& db) { return db.species[250].heightLabel[1].toString(); },
            QStringLiteral("HEIGHT:   ") + F(SpeciesFieldNo(250, 16)));
        row(
            "species 250 weight ru",
            [](auto& db) { return db.species[250].weightLabel[0].toString(); },
            QStringLiteral("ВЕС:   ") + F(SpeciesFieldNo(250, 17)));
        row(
            "species 250 weight en",
            [](auto& db) { return db.species[250].weightLabel[1].toString(); },
            QStringLiteral("WEIGHT:   ") + F(SpeciesFieldNo(250, 18)));
        row(
            "species 250 edition entry 6",
            [](auto& db) { return db.species[250].editionInfo[6].toString(); },
            F(SpeciesFieldNo(250, kEdition0 + 6)));
        row(
            "row 0 numerical ru", [](auto& db) { return db.listLabel[0][0][0].toString(); },
            QStringLiteral("001 - ") + testdata::TestSpeciesName(0, 0));
        row(
            "row 250 numerical en", [](auto& db) { return db.listLabel[250][1][0].toString(); },
            QStringLiteral("251 - ") + testdata::TestSpeciesName(250, 1));
        // The synthetic evolutionary order puts the standalone species last to first.
        row(
            "row 93 evolutionary ru", [](auto& db) { return db.listLabel[93][0][1].toString(); },
            QStringLiteral("251 - ") + testdata::TestSpeciesName(250, 0));
        row(
            "row 250 evolutionary en", [](auto& db) { return db.listLabel[250][1][1].toString(); },
            QStringLiteral("094 - ") + testdata::TestSpeciesName(93, 1));
        row(
            "row 17 alphabetical ru", [](auto& db) { return db.listLabel[17][0][2].toString(); },
            F(ListLabelNo(17, 0, 2)));
        row(
            "row 17 alphabetical en", [](auto& db) { return db.listLabel[17][1][2].toString(); },
            F(ListLabelNo(17, 1, 2)));
        row(
            "species 91 evolution slot 1 hold en",
            [](auto& db) { return db.species[91].evolutionHold[1][1].toString(); },
            F(SpeciesFieldNo(91, kEvolution0 + 6 + 5)));
        row(
            "species 250 last level slot",
            [](auto& db) { return Num(db.species[250].levelMoveLevel[11]); },
            F(SpeciesFieldNo(250, kLevel0 + 23)));
        row(
            "species 50 last TM label",
            [](auto& db) { return db.species[50].tmLabel[49].toString(); },
            F(SpeciesFieldNo(50, kTm0 + 98)));
        row(
            "species 7 last HM move", [](auto& db) { return Num(db.species[7].hmMove[6]); },
            F(SpeciesFieldNo(7, kHm0 + 13)));
    }

    void entries() {
        QFETCH(Entry, entry);
        QFETCH(QString, expected);
        static const std::unique_ptr<Database> db = LoadDatabase(ValidBytes());
        QCOMPARE(entry(*db), expected);
    }

    // Copies that differ from the valid resource but must load: each row names the entry
    // that changes (or none) and its expected text.
    void accepted_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("fieldNo");  // the field whose flattened text changes, or 0
        QTest::addColumn<QString>("text");
        // The valid resource itself: every table against the fields it came from.
        QTest::newRow("valid") << ValidBytes() << 0 << QString();
        const QByteArray valid = ValidBytes();
        QTest::newRow("without the four trailing NULs") << valid.chopped(4) << 0 << QString();
        QTest::newRow("garbage after the last NUL")
            << valid.chopped(4) + QByteArray("12a\x98\xFF no NUL follows") << 0 << QString();
        QTest::newRow("a megabyte after the last NUL")
            << valid + QByteArray(1 << 20, 'x') << 0 << QString();

        auto edit = [](const char* name, int fieldNo, const QString& text) {
            QTest::newRow(name) << WithFields({{fieldNo, text}}) << fieldNo << text;
        };
        edit("empty English type", SpeciesFieldNo(3, 14), QString());
        edit("empty Russian move type", MoveFieldNo(5, 3), QString());
        edit("empty Russian height", SpeciesFieldNo(3, 15), QString());
        edit("empty English weight", SpeciesFieldNo(3, 18), QString());
        edit("whole-metre height keeps its blanks", SpeciesFieldNo(4, 15), u"2 м   "_qs);
        edit("blanks around a description", SpeciesFieldNo(4, 19), u"  Текст. "_qs);
        edit("empty move name", MoveFieldNo(0, 1), QString());
        edit("empty description of the last species", SpeciesFieldNo(250, 20), QString());
        edit("number at the upper limit", MoveFieldNo(100, 7), u"2147483647"_qs);
        edit("number at the lower limit", MoveFieldNo(100, 8), u"-2147483648"_qs);
        edit("negative stat level", SpeciesFieldNo(9, kStat0), u"-7"_qs);

        QByteArray undefined = WithFields({{MoveFieldNo(2, 5), u"a?b"_qs}});
        undefined[FieldStart(undefined, MoveFieldNo(2, 5)) + 1] = '\x98';
        QTest::newRow("undefined byte in a text")
            << undefined << MoveFieldNo(2, 5) << QStringLiteral("a\uFFFDb");
    }

    void accepted() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, fieldNo);
        QFETCH(QString, text);
        QString failure;
        const std::unique_ptr<Database> db = LoadOrFail(bytes, &failure);
        QVERIFY2(db, qPrintable(failure));
        std::vector<QString> expected = ValidFields();
        if (fieldNo > 0) {
            expected[fieldNo - 1] = text;
        }
        const QString diff = FirstDifference(Flatten(*db), expected);
        QVERIFY2(diff.isEmpty(), qPrintable(diff));
    }

    // Damaged resources: the error kind, the 1-based field and the byte where it starts.
    void rejected_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<DatabaseError::Kind>("kind");
        QTest::addColumn<int>("fieldNo");
        QTest::addColumn<qsizetype>("byte");  // -2: FieldStart of fieldNo in these bytes
        const qsizetype start = -2;
        const QByteArray valid = ValidBytes();

        QTest::newRow("empty resource")
            << QByteArray() << Kind::InvalidArgument << 1 << qsizetype(0);
        QTest::newRow("only the leading NUL")
            << QByteArray(1, '\0') << Kind::InvalidArgument << 1 << qsizetype(1);
        QTest::newRow("missing leading NUL")
            << valid.mid(1) << Kind::InvalidArgument << 1 << qsizetype(0);
        QByteArray overwritten = valid;
        overwritten[0] = 'A';
        QTest::newRow("leading byte not NUL")
            << overwritten << Kind::InvalidArgument << 1 << qsizetype(0);
        const int description = SpeciesFieldNo(120, kDescriptionRu);
        QTest::newRow("truncated mid-field")
            << valid.left(FieldStart(valid, description) + 10) << Kind::InvalidArgument
            << description << FieldStart(valid, description);
        QTest::newRow("ends after field 51,194")
            << valid.left(FieldStart(valid, kFields)) << Kind::InvalidArgument << kFields
            << FieldStart(valid, kFields);
        QTest::newRow("last field without its NUL")
            << valid.chopped(5) << Kind::InvalidArgument << kFields << start;
        QTest::newRow("all NULs missing after the leading one")
            << QByteArray(1, '\0') + QByteArray(5000, 'x') << Kind::InvalidArgument << 1
            << qsizetype(1);

        auto edit = [start](const char* name, int fieldNo, const QString& text, Kind kind) {
            QTest::newRow(name) << WithFields({{fieldNo, text}}) << kind << fieldNo << start;
        };
        const int power = MoveFieldNo(0, 7);
        const int lastLevel = SpeciesFieldNo(250, kLevel0 + 23);
        edit("empty Number", power, QString(), Kind::TypeMismatch);
        edit("empty last field, a Number", kFields, QString(), Kind::TypeMismatch);
        edit("letter after digits", SpeciesFieldNo(0, kStat0), u"12a"_qs, Kind::TypeMismatch);
        edit("leading plus", power, u"+5"_qs, Kind::TypeMismatch);
        edit("leading blank", power, u" 5"_qs, Kind::TypeMismatch);
        edit("trailing blank", power, u"5 "_qs, Kind::TypeMismatch);
        edit("minus alone", power, u"-"_qs, Kind::TypeMismatch);
        edit("two minus signs", power, u"--1"_qs, Kind::TypeMismatch);
        edit("fraction", power, u"1.5"_qs, Kind::TypeMismatch);
        edit("hexadecimal", power, u"0x10"_qs, Kind::TypeMismatch);
        edit("Cyrillic letter", lastLevel, u"1З"_qs, Kind::TypeMismatch);
        edit("just above INT32_MAX", power, u"2147483648"_qs, Kind::Overflow);
        edit("just below INT32_MIN", power, u"-2147483649"_qs, Kind::Overflow);
        edit("2^32 + 1, which wraps to 1", power, u"4294967297"_qs, Kind::Overflow);
        edit("2^64 + 5, which wraps to 5", lastLevel, u"18446744073709551621"_qs, Kind::Overflow);
        edit("forty digits", power, QString(40, u'9'), Kind::Overflow);
        edit("very negative", power, QStringLiteral("-") + QString(25, u'8'), Kind::Overflow);
        edit("digits then a letter past the limit", power, u"99999999999x"_qs, Kind::TypeMismatch);

        // A NUL inside move 0's name splits it: every later field moves one place on, and
        // the first Number field (7) receives the Russian description.
        std::vector<QString> fields = ValidFields();
        fields[0].insert(3, u'|');
        QByteArray split = EncodeResource(fields);
        split[FieldStart(split, 1) + 3] = '\0';
        QTest::newRow("stray NUL shifts the fields")
            << split << Kind::TypeMismatch << power << start;
    }

    void rejected() {
        QFETCH(QByteArray, bytes);
        QFETCH(DatabaseError::Kind, kind);
        QFETCH(int, fieldNo);
        QFETCH(qsizetype, byte);
        if (byte == -2) {
            byte = FieldStart(bytes, fieldNo);
        }
        try {
            LoadDatabase(bytes);
            QFAIL("the resource loaded");
        } catch (const DatabaseError& e) {
            QCOMPARE(DatabaseError::kindName(e.kind()), DatabaseError::kindName(kind));
            QCOMPARE(e.field(), fieldNo);
            QCOMPARE(e.byteOffset(), byte);
        }
    }

    // The whole message, on a resource whose every field is "0" (two bytes each), so field n
    // starts at byte 2n - 1.
    void message_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        std::vector<QString> zeros(kFields, u"0"_qs);
        auto with = [&zeros](int fieldNo, const QString& text) {
            std::vector<QString> f = zeros;
            f[fieldNo - 1] = text;
            return EncodeResource(f);
        };
        QTest::newRow("type mismatch")
            << with(2248, u"12a"_qs)
            << u"database: field 2,248 (byte 4,495): type mismatch: \"12a\" is not a number"_qs;
        QTest::newRow("overflow")
            << with(1006, u"-2147483649"_qs)
            << u"database: field 1,006 (byte 2,011): overflow: \"-2147483649\" lies outside "
               "-2,147,483,648 to 2,147,483,647"_qs;
        QTest::newRow("too few fields")
            << EncodeResource(zeros).left(2 * kFields - 1)
            << u"database: field 51,195 (byte 102,389): invalid argument: no NUL byte ends this "
               "field; the resource ends after 51,194 complete fields"_qs;
        QTest::newRow("long value shortened")
            << with(7, QString(60, u'7') + u'x')
            << QStringLiteral("database: field 7 (byte 13): type mismatch: \"") +
                   QString(40, u'7') + QStringLiteral("...\" is not a number");
    }

    void message() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        try {
            LoadDatabase(bytes);
            QFAIL("the resource loaded");
        } catch (const DatabaseError& e) {
            QCOMPARE(QString::fromStdString(e.what()), message);
        }
    }
};

QTEST_GUILESS_MAIN(TestLoader)
#include "test_loader.moc"

// Reference checks after the fields are read: values a reader would use to index past a
// table are rejected with the field and the rule; oddities the readers survive still load.
#include <QtTest>

#include "database.h"
#include "resource_edit.h"

using namespace zentaloger;
using namespace zentaloger::testing;

namespace {

// In the synthetic data, species index 10 uses 11 level slots, 10 TM slots, 2 HM slots and 5
// edition entries; species 60 heads a family of three (two used evolution slots); species
// 200 has no evolution relation; species s uses 1 + s % 6 edition entries.
constexpr int kS = 10;

int Level(int s, int slot, int part) {
    return SpeciesFieldNo(s, kLevel0 + 2 * slot + part);
}
int Tm(int s, int slot, int part) {
    return SpeciesFieldNo(s, kTm0 + 2 * slot + part);
}
int Hm(int s, int slot, int part) {
    return SpeciesFieldNo(s, kHm0 + 2 * slot + part);
}
int Evo(int s, int slot, int part) {
    return SpeciesFieldNo(s, kEvolution0 + 6 * slot + part);
}
int Edition(int s, int entry) {
    return SpeciesFieldNo(s, kEdition0 + entry);
}

}  // namespace

class TestValidate : public QObject {
    Q_OBJECT

  private slots:
    void rejected_data() {
        QTest::addColumn<FieldEdits>("edits");
        QTest::addColumn<int>("fieldNo");
        QTest::addColumn<QString>("rule");  // a part of the message that names the rule

        auto row = [](const char* name, const FieldEdits& e, int fieldNo, const char* rule) {
            QTest::newRow(name) << e << fieldNo << QString::fromUtf8(rule);
        };
        row("level move index 250", {{Level(kS, 0, 0), u"250"_qs}}, Level(kS, 0, 0),
            "move index 250 is above 249");
        row("level move index INT32_MAX", {{Level(kS, 10, 0), u"2147483647"_qs}}, Level(kS, 10, 0),
            "above 249");
        row("used level slot without a move", {{Level(kS, 3, 0), u"-1"_qs}}, Level(kS, 3, 0),
            "move index 0 to 249, not -1");
        row("free level slot given a level", {{Level(kS, 11, 1), u"0"_qs}}, Level(kS, 11, 0),
            "not -1");
        row("TM move index 250", {{Tm(kS, 9, 1), u"250"_qs}}, Tm(kS, 9, 1), "above 249");
        row("free TM slot with move 300", {{Tm(kS, 40, 1), u"300"_qs}}, Tm(kS, 40, 1), "above 249");
        row("HM move index 1000", {{Hm(kS, 1, 1), u"1000"_qs}}, Hm(kS, 1, 1), "above 249");
        row("last HM slot of the last species", {{Hm(250, 6, 1), u"250"_qs}}, Hm(250, 6, 1),
            "species 251, HM slot 6");
        row("evolution from 251", {{Evo(60, 0, 0), u"251"_qs}}, Evo(60, 0, 0),
            "species index 251 is above 250");
        row("evolution to 251", {{Evo(60, 1, 1), u"251"_qs}}, Evo(60, 1, 1), "not 251");
        row("used evolution slot without a target", {{Evo(60, 0, 1), u"-1"_qs}}, Evo(60, 0, 1),
            "not -1");
        row("free evolution slot given a source", {{Evo(200, 4, 0), u"0"_qs}}, Evo(200, 4, 1),
            "not -1");
        row("label without digits", {{ListLabelNo(5, 0, 0), u"ABC - X"_qs}}, ListLabelNo(5, 0, 0),
            "does not begin with a species number");
        row("label with two digits", {{ListLabelNo(5, 1, 1), u"12 - X"_qs}}, ListLabelNo(5, 1, 1),
            "does not begin with a species number");
        row("label 000", {{ListLabelNo(0, 1, 2), u"000 - X"_qs}}, ListLabelNo(0, 1, 2),
            "001 to 251");
        row("label 252", {{ListLabelNo(250, 0, 2), u"252 - X"_qs}}, ListLabelNo(250, 0, 2),
            "001 to 251");
        row("empty label", {{ListLabelNo(100, 1, 0), QString()}}, ListLabelNo(100, 1, 0),
            "001 to 251");
        row("species twice in the evolutionary order",
            {{ListLabelNo(3, 1, 1), ValidField(ListLabelNo(200, 1, 1))}}, ListLabelNo(200, 1, 1),
            "exactly one");
        row("species twice in Russian alphabetical only",
            {{ListLabelNo(250, 0, 2), ValidField(ListLabelNo(0, 0, 2))}}, ListLabelNo(250, 0, 2),
            "exactly one");
        row("edition entry 6 one too high", {{Edition(kS, 6), u"5"_qs}}, Edition(kS, 6),
            "edition entry 6");
        row("edition entry 6 one too low", {{Edition(kS, 6), u"3"_qs}}, Edition(kS, 6),
            "edition entry 6");
        row("edition entry 6 empty", {{Edition(0, 6), QString()}}, Edition(0, 6),
            "edition entry 6");
        row("edition entry 6 not a number", {{Edition(0, 6), u"x"_qs}}, Edition(0, 6),
            "edition entry 6");
        row("edition entry 6 naming an empty entry", {{Edition(1, 6), u"2"_qs}}, Edition(1, 6),
            "edition entry 6");
        row("no edition at all", {{Edition(0, 0), QString()}}, Edition(0, 0), "no edition");
    }

    void rejected() {
        QFETCH(FieldEdits, edits);
        QFETCH(int, fieldNo);
        QFETCH(QString, rule);
        const QByteArray bytes = WithFields(edits);
        try {
            LoadDatabase(bytes);
            QFAIL("the resource loaded");
        } catch (const DatabaseError& e) {
            const QString what = QString::fromStdString(e.what());
            QVERIFY2(e.kind() == DatabaseError::Kind::InvalidReference, e.what());
            QCOMPARE(e.field(), fieldNo);
            QCOMPARE(e.byteOffset(), FieldStart(bytes, fieldNo));
            QVERIFY2(what.contains(QStringLiteral(": invalid reference: ")), e.what());
            QVERIFY2(what.contains(rule), e.what());
        }
    }

    // Values that are odd but that every reader handles: they load unchanged.
    void accepted_data() {
        QTest::addColumn<FieldEdits>("edits");
        auto row = [](const char* name, const FieldEdits& e) { QTest::newRow(name) << e; };
        row("TM label not matching its move", {{Tm(kS, 0, 0), u"TM44"_qs}});
        row("used TM slot with an empty label",
            {{Tm(kS, 2, 0), QString()}, {Tm(kS, 2, 1), u"0"_qs}});
        row("free TM slot with a label", {{Tm(kS, 30, 0), u"TM44"_qs}});
        row("free TM slot with move -7", {{Tm(kS, 30, 1), u"-7"_qs}});
        row("levels in descending order",
            {{Level(kS, 0, 1), u"90"_qs}, {Level(kS, 1, 1), u"40"_qs}, {Level(kS, 2, 1), u"1"_qs}});
        row("stat levels 0 and above 3", {{SpeciesFieldNo(kS, kStat0), u"0"_qs},
                                          {SpeciesFieldNo(kS, kStat0 + 5), u"4"_qs},
                                          {SpeciesFieldNo(kS, kStat0 + 2), u"1000"_qs}});
        row("used level slot after a free one",
            {{Level(kS, 0, 0), u"-1"_qs}, {Level(kS, 0, 1), u"-1"_qs}});
        row("used TM slot after free ones",
            {{Tm(kS, 45, 0), u"TM46"_qs}, {Tm(kS, 45, 1), u"9"_qs}});
        row("free level slot with move 999", {{Level(kS, 11, 0), u"999"_qs}});
        row("free evolution slot with target 999", {{Evo(200, 0, 1), u"999"_qs}});
        row("highest move and species indices",
            {{Level(kS, 0, 0), u"249"_qs}, {Hm(kS, 0, 1), u"249"_qs}, {Evo(60, 0, 1), u"250"_qs}});
        row("edition entries with a gap", {{Edition(2, 1), QString()}});
        row("numerical order permuted", {{ListLabelNo(7, 0, 0), ValidField(ListLabelNo(8, 0, 0))},
                                         {ListLabelNo(8, 0, 0), ValidField(ListLabelNo(7, 0, 0))}});
        row("name spelt differently in another order",
            {{ListLabelNo(0, 1, 1), ValidField(ListLabelNo(0, 1, 1)) + u'E'}});
    }

    void accepted() {
        QFETCH(FieldEdits, edits);
        try {
            const std::unique_ptr<Database> db = LoadDatabase(WithFields(edits));
            QVERIFY(db);
        } catch (const DatabaseError& e) {
            QFAIL(e.what());
        }
    }
};

QTEST_GUILESS_MAIN(TestValidate)
#include "test_validate.moc"

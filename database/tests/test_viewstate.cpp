// The view state's helpers and start-up from a resource file.
#include <QTemporaryDir>
#include <QtTest>
#include <limits>

#include "resource_edit.h"
#include "startup.h"
#include "viewstate.h"

using namespace zentaloger;
using namespace zentaloger::testing;

namespace {

const Database& ValidDatabase() {
    static const std::unique_ptr<Database> db = LoadDatabase(EncodeResource(ValidFields()));
    return *db;
}

// The species number that the synthetic data puts on `row` (0-based), read from its fields.
int NumberInData(int row, int language, int order) {
    return ValidField(ListLabelNo(row, language, order)).left(3).toInt();
}

}  // namespace

class TestViewState : public QObject {
    Q_OBJECT

  private slots:
    void clampTopRow_data() {
        QTest::addColumn<Number>("topRow");
        QTest::addColumn<Number>("clamped");
        QTest::newRow("INT32_MIN") << std::numeric_limits<Number>::min() << 1;
        QTest::newRow("-1") << -1 << 1;
        QTest::newRow("0") << 0 << 1;
        QTest::newRow("1") << 1 << 1;
        QTest::newRow("2") << 2 << 2;
        QTest::newRow("235") << 235 << 235;
        QTest::newRow("236, the last full page") << 236 << 236;
        QTest::newRow("237") << 237 << 236;
        QTest::newRow("251, the last row") << 251 << 236;
        QTest::newRow("INT32_MAX") << std::numeric_limits<Number>::max() << 236;
    }

    void clampTopRow() {
        QFETCH(Number, topRow);
        QFETCH(Number, clamped);
        QCOMPARE(ClampTopRow(topRow), clamped);
    }

    void speciesNumberOfLabel_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("number");
        QTest::newRow("first") << u"001 - ZAB"_qs << 1;
        QTest::newRow("last") << u"251 - ZAB"_qs << 251;
        QTest::newRow("digits only") << u"042"_qs << 42;
        QTest::newRow("two characters") << u"12"_qs << 0;
        QTest::newRow("empty") << QString() << 0;
        QTest::newRow("letter in the middle") << u"0a1 - X"_qs << 0;
        QTest::newRow("blank first") << u" 12 - X"_qs << 0;
        QTest::newRow("full-width digits") << u"１２３ - X"_qs << 0;
        QTest::newRow("Arabic-Indic digits") << u"١٢٣ - X"_qs << 0;
    }

    void speciesNumberOfLabel() {
        QFETCH(QString, label);
        QFETCH(int, number);
        QCOMPARE(SpeciesNumberOfLabel(label), number);
    }

    // Rows at both ends of the search and in each order and language.
    void findRowOfSpecies_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("order");
        QTest::addColumn<int>("row");
        const char* languages[] = {"ru", "en"};
        const char* orders[] = {"numerical", "evolutionary", "alphabetical"};
        for (int language = 0; language < 2; ++language) {
            for (int order = 0; order < 3; ++order) {
                for (int row : {0, 93, 250}) {
                    QTest::addRow("%s %s row %d", orders[order], languages[language], row)
                        << language << order << row;
                }
            }
        }
    }

    void findRowOfSpecies() {
        QFETCH(int, language);
        QFETCH(int, order);
        QFETCH(int, row);
        const int number = NumberInData(row, language, order);
        QCOMPARE(FindRowOfSpecies(ValidDatabase(), language, order, number), row);
        ViewState state;
        state.language = language;
        state.listOrder = order;
        QCOMPARE(SpeciesNumberAtRow(ValidDatabase(), state, row + 1), number);
    }

    // A language switch in the alphabetical order keeps each species, on a different row.
    void everySpeciesHasOneRowPerOrder() {
        for (int order = 0; order < 3; ++order) {
            for (int language = 0; language < 2; ++language) {
                for (int number = 1; number <= 251; ++number) {
                    const int row = FindRowOfSpecies(ValidDatabase(), language, order, number);
                    QVERIFY(row >= 0 && row <= 250);
                    QCOMPARE(NumberInData(row, language, order), number);
                }
            }
        }
        int rowsThatDiffer = 0;
        for (int number = 1; number <= 251; ++number) {
            rowsThatDiffer += FindRowOfSpecies(ValidDatabase(), 0, 2, number) !=
                              FindRowOfSpecies(ValidDatabase(), 1, 2, number);
        }
        QVERIFY(rowsThatDiffer > 0);
    }

    void numbersNoRowCarries_data() {
        QTest::addColumn<int>("number");
        QTest::newRow("0") << 0;
        QTest::newRow("252") << 252;
        QTest::newRow("-1") << -1;
    }

    void numbersNoRowCarries() {
        QFETCH(int, number);
        QCOMPARE(FindRowOfSpecies(ValidDatabase(), 1, 0, number), -1);
    }

    void startUpFromAGoodResource() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("101"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(EncodeResource(ValidFields()));
        file.close();

        const StartupState state = StartUp(path);
        QVERIFY(state.database);
        QCOMPARE(state.database->listLabel[250][1][0],
                 QStringView(ValidField(ListLabelNo(250, 1, 0))));
        QCOMPARE(state.view.language, 1);
        QCOMPARE(state.view.listOrder, 0);
        QCOMPARE(state.view.topRow, 1);
        QCOMPARE(state.view.selectedRow, 1);
    }

    // A damaged or missing resource comes back as an error that says what and where.
    void startUpFailures_data() {
        QTest::addColumn<QByteArray>("bytes");  // written to the file unless "missing"
        QTest::addColumn<bool>("missing");
        QTest::addColumn<QString>("messageStart");
        const QByteArray valid = EncodeResource(ValidFields());
        QTest::newRow("no such resource")
            << QByteArray() << true << u"database: the program's resource "_qs;
        QTest::newRow("empty resource")
            << QByteArray() << false << u"database: field 1 (byte 0): invalid argument"_qs;
        QTest::newRow("truncated") << valid.left(1000) << false << u"database: field "_qs;
        QTest::newRow("bad number") << WithFields({{MoveFieldNo(3, 8), u"12a"_qs}}) << false
                                    << QStringLiteral("database: field %1 ").arg(MoveFieldNo(3, 8));
        QTest::newRow("bad reference") << WithFields({{ListLabelNo(0, 0, 0), u"X"_qs}}) << false
                                       << u"database: field 2,257 "_qs;
    }

    void startUpFailures() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, missing);
        QFETCH(QString, messageStart);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("101"));
        if (!missing) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
        try {
            StartUp(path);
            QFAIL("start-up succeeded");
        } catch (const DatabaseError& e) {
            QVERIFY(!missing);
            QVERIFY2(QString::fromStdString(e.what()).startsWith(messageStart), e.what());
        } catch (const std::runtime_error& e) {
            QVERIFY(missing);
            QVERIFY2(QString::fromStdString(e.what()).startsWith(messageStart), e.what());
            QVERIFY2(QString::fromStdString(e.what()).contains(path), e.what());
        }
    }
};

QTEST_GUILESS_MAIN(TestViewState)
#include "test_viewstate.moc"

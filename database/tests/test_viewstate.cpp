// The view state's helpers and start-up from a resource file.
#include <QTemporaryDir>
#include <QtTest>
#include <limits>

#include "database/startup.h"
#include "database/tests/resource_edit.h"
#include "database/viewstate.h"

using namespace zentaloger;
using namespace zentaloger::testing;

class TestViewState : public QObject {
    Q_OBJECT

  private slots:
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

    // A good resource gives the tables and the first view; a damaged or missing one an error
    // that says what and where.
    void startUp_data() {
        QTest::addColumn<QByteArray>("bytes");  // written to the file unless "missing"
        QTest::addColumn<bool>("missing");
        QTest::addColumn<QString>("messageStart");  // empty: start-up succeeds
        QTest::newRow("good resource") << EncodeResource(ValidFields()) << false << QString();
        QTest::newRow("no such resource")
            << QByteArray() << true << u"database: the program's resource "_qs;
        QTest::newRow("empty resource")
            << QByteArray() << false << u"database: field 1 (byte 0): invalid argument"_qs;
    }

    void startUp() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, missing);
        QFETCH(QString, messageStart);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("101"));
        QFile file(path);
        QVERIFY(missing || (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()));
        file.close();
        try {
            const StartupState state = StartUp(path);
            QVERIFY2(messageStart.isEmpty(), "start-up succeeded");
            QCOMPARE(state.database->listLabel[250][1][0],
                     QStringView(ValidField(ListLabelNo(250, 1, 0))));
            QCOMPARE(state.view.language, Language::English);
            QCOMPARE(state.view.listOrder, Order::Numerical);
            QCOMPARE(state.view.topRow, 1);
            QCOMPARE(state.view.selectedRow, 1);
        } catch (const std::runtime_error& e) {
            const QString what = QString::fromStdString(e.what());
            QVERIFY2(!messageStart.isEmpty() && what.startsWith(messageStart), e.what());
            QVERIFY2(!missing || what.contains(path), e.what());
            QCOMPARE(dynamic_cast<const DatabaseError*>(&e) == nullptr, missing);
        }
    }
};

QTEST_GUILESS_MAIN(TestViewState)
#include "test_viewstate.moc"

// `zentadata check` on the shipped content and on copies with one convention broken: each
// broken copy names exactly its problem, and the shipped content has none.
#include <QtTest>

#include "database/layout.h"
#include "database/writer.h"
#include "tools/sources/check.h"
#include "tools/sources/compile.h"
#include "tools/sources/sources.h"

using namespace zentaloger;
using namespace zentaloger::sources;

namespace {

std::vector<QString> ShippedFields() {
    const ReadResult read = ReadSources(QStringLiteral(ZENTALOGER_SOURCES));
    return read.errors.empty() ? Compile(read.set).fields : std::vector<QString>{};
}

void SwapMoves(std::vector<QString>& f, int a, int b) {
    for (int k = 1; k <= kMoveFields; ++k) {
        std::swap(f[MoveField(a, k) - 1], f[MoveField(b, k) - 1]);
    }
}

void SwapLabels(std::vector<QString>& f, int rowA, int rowB, int language, int order) {
    std::swap(f[ListLabelField(rowA, language, order) - 1],
              f[ListLabelField(rowB, language, order) - 1]);
}

}  // namespace

class TestCheck : public QObject {
    Q_OBJECT

  private slots:
    void problems_data() {
        using Edit = std::function<void(std::vector<QString>&)>;
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QStringList>("problems");
        QTest::newRow("shipped") << Edit([](auto&) {}) << QStringList();
        QTest::newRow("last two moves out of order")
            << Edit([](auto& f) { SwapMoves(f, 248, 249); })
            << QStringList{"move 249 is not in ascending order of English names"};
        QTest::newRow("English alphabetical rows out of order")
            << Edit([](auto& f) { SwapLabels(f, 100, 101, 1, 2); })
            << QStringList{"alphabetical row 101 is out of order in language 1"};
        QTest::newRow("Russian alphabetical rows out of order")
            << Edit([](auto& f) { SwapLabels(f, 0, 1, 0, 2); })
            << QStringList{"alphabetical row 1 is out of order in language 0"};
    }
    void problems() {
        QFETCH(std::function<void(std::vector<QString>&)>, edit);
        std::vector<QString> fields = ShippedFields();
        QCOMPARE(fields.size(), size_t(kFieldCount));
        edit(fields);
        QTEST(CheckResource(EncodeResource(fields)).problems, "problems");
    }
};

QTEST_MAIN(TestCheck)
#include "test_check.moc"

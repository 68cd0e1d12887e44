// Writes the synthetic test database to a file, for builds and tools that need a complete
// resource before (or without) the authored content.
#include <QFile>
#include <cstdio>

#include "testdata.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: zentaloger_write_testdb OUTPUT\n");
        return 2;
    }
    QFile out(QString::fromLocal8Bit(argv[1]));
    const QByteArray bytes = zentaloger::testdata::TestDatabase();
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "zentaloger_write_testdb: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}

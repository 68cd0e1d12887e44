// The picture generator on the synthetic test database: traits read from the records, the
// picture formats, determinism, distinctness, family likeness and the special species.
#include <QtTest>
#include <set>

#include "art.h"
#include "palette.h"
#include "testdata.h"
#include "writer.h"

using namespace zentaloger;
using namespace zentaloger::art;

namespace {

std::unique_ptr<Database> Load(const std::vector<QString>& fields) {
    return LoadDatabase(EncodeResource(fields));
}

void SetSteps(std::vector<QString>& f, const std::vector<int>& members,
              const std::vector<std::pair<int, int>>& steps) {
    for (int s : members) {
        for (int k = 0; k < kEvolutionSlots; ++k) {
            const bool used = k < static_cast<int>(steps.size());
            f[testdata::SpeciesFieldIndex(s, 28 + 6 * k)] =
                QString::number(used ? steps[k].first : -1);
            f[testdata::SpeciesFieldIndex(s, 29 + 6 * k)] =
                QString::number(used ? steps[k].second : -1);
        }
    }
}

QRect MaskBounds(const QImage& image) {
    QRect r;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) {
                r |= QRect(x, y, 1, 1);
            }
        }
    }
    return r;
}

std::map<int, int> IndexCounts(const QImage& image) {
    std::map<int, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            ++counts[image.pixelIndex(x, y)];
        }
    }
    return counts;
}

quint32 Le32(const QByteArray& b, int at) {
    return static_cast<quint8>(b[at]) | static_cast<quint8>(b[at + 1]) << 8 |
           static_cast<quint8>(b[at + 2]) << 16 |
           static_cast<quint32>(static_cast<quint8>(b[at + 3])) << 24;
}

}  // namespace

class TestArt : public QObject {
    Q_OBJECT

    std::unique_ptr<Database> db_;
    ArtSet art_;

  private slots:
    void initTestCase() {
        db_ = LoadDatabase(testdata::TestDatabase());
        art_ = GenerateArt(*db_);
        QCOMPARE(static_cast<int>(art_.species.size()), kSpeciesCount);
    }

    void typeWords_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("one type") << "TYPE:   EMBER" << QStringList{"EMBER"};
        QTest::newRow("two types") << "TYPE:   EMBER   /   GALE" << QStringList{"EMBER", "GALE"};
        QTest::newRow("no prefix") << "TIDE" << QStringList{"TIDE"};
        QTest::newRow("empty still gives a word") << "TYPE:   " << QStringList{"?"};
    }
    void typeWords() {
        QFETCH(QString, label);
        QFETCH(QStringList, words);
        QCOMPARE(TypeWords(label), words);
    }

    void stages_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("stage");
        QTest::addColumn<int>("familyId");
        QTest::addColumn<int>("branch");
        QTest::newRow("base of a chain of three") << 1 << int(Stage::Base) << 1 << 0;
        QTest::newRow("middle") << 2 << int(Stage::Middle) << 1 << 0;
        QTest::newRow("final") << 3 << int(Stage::Final) << 1 << 0;
        QTest::newRow("branching base") << 91 << int(Stage::Base) << 91 << 0;
        QTest::newRow("first branch") << 92 << int(Stage::Final) << 91 << 0;
        QTest::newRow("second branch") << 93 << int(Stage::Final) << 91 << 1;
        QTest::newRow("no family") << 94 << int(Stage::Single) << 94 << 0;
    }
    void stages() {
        QFETCH(int, number);
        QFETCH(int, stage);
        QFETCH(int, familyId);
        QFETCH(int, branch);
        const SpeciesTraits& t = art_.species[number - 1].traits;
        QCOMPARE(int(t.stage), stage);
        QCOMPARE(t.familyId, familyId);
        QCOMPARE(t.branch, branch);
    }

    void babyEvolvesIntoLowerNumber() {
        // 101 -> 100 -> 102: 101 is the baby, 100 the base.
        std::vector<QString> f = testdata::TestDatabaseFields();
        SetSteps(f, {99, 100, 101}, {{100, 99}, {99, 101}});
        const std::vector<SpeciesTraits> t = DeriveTraits(*Load(f));
        QCOMPARE(int(t[100].stage), int(Stage::Baby));
        QCOMPARE(int(t[99].stage), int(Stage::Base));
        QCOMPARE(int(t[101].stage), int(Stage::Final));
        QCOMPARE(t[100].familyId, 100);
        QCOMPARE(t[101].familyLevels, 2);
        QVERIFY(LargeFill(t[100]) < LargeFill(t[99]));
    }

    void malformedInputStillDraws() {
        // A cycle of steps, a self step, unknown type words and unparsable sizes.
        std::vector<QString> f = testdata::TestDatabaseFields();
        SetSteps(f, {10, 11}, {{10, 11}, {11, 10}, {10, 10}});
        f[testdata::SpeciesFieldIndex(10, 14)] = QStringLiteral("QUUX   /   ZORP");
        f[testdata::SpeciesFieldIndex(10, 15)] = QStringLiteral("много");
        f[testdata::SpeciesFieldIndex(10, 16)] = QStringLiteral("tall");
        f[testdata::SpeciesFieldIndex(10, 17)] = QString();
        const auto db = Load(f);
        const std::vector<SpeciesTraits> t = DeriveTraits(*db);
        QCOMPARE(t[10].types, (QStringList{"QUUX", "ZORP"}));
        QVERIFY(t[10].heightCm > 0);
        QVERIFY(t[10].weightKg > 0);
        const QVector<QRgb> p = SpeciesPalette(t[10].types, {});
        QCOMPARE(p.size(), kPaletteSize);
        QVERIFY(p[RampIndex(kPrimary, 2)] != p[RampIndex(kSecondary, 2)]);
        const QImage large =
            ToImage(Render(MakeDesign(t[10], 0), {kLargeWidth, kLargeHeight, 0.8}), p);
        QVERIFY(MaskOf(large).count() > 1000);
    }

    void sizesFromRussianTexts_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<double>("cm");
        QTest::addColumn<double>("kg");
        QTest::newRow("centimetres") << 1 << 20.0 << 1.0;
        QTest::newRow("metres and centimetres") << 30 << 107.0 << 30.0;
        QTest::newRow("whole metres") << 61 << 200.0 << 61.0;
    }
    void sizesFromRussianTexts() {
        QFETCH(int, number);
        QFETCH(double, cm);
        QFETCH(double, kg);
        QCOMPARE(art_.species[number - 1].traits.heightCm, cm);
        QCOMPARE(art_.species[number - 1].traits.weightKg, kg);
    }

    void formats() {
        for (const SpeciesArt& s : art_.species) {
            QCOMPARE(s.large.size(), QSize(kLargeWidth, kLargeHeight));
            QCOMPARE(s.small.size(), QSize(kSmallSize, kSmallSize));
            for (const QImage* image : {&s.large, &s.small}) {
                QCOMPARE(image->format(), QImage::Format_Indexed8);
                const QByteArray bmp = EncodeImage(*image, "BMP");
                QCOMPARE(bmp.left(2), QByteArray("BM"));
                QCOMPARE(static_cast<int>(Le32(bmp, 18)), image->width());
                QCOMPARE(static_cast<int>(Le32(bmp, 22)), image->height());
                QCOMPARE(static_cast<quint8>(bmp[28]), quint8(8));  // bits per pixel
                QCOMPARE(Le32(bmp, 46), quint32(256));              // colours used
                QCOMPARE(image->pixel(0, 0), qRgb(255, 255, 255));
            }
        }
        for (int language = 0; language < 2; ++language) {
            const QImage& logo = art_.logo[language];
            QCOMPARE(logo.size(), QSize(kLogoWidth, kLogoHeight));
            QCOMPARE(static_cast<quint8>(EncodeImage(logo, "BMP")[28]), quint8(8));
            QCOMPARE(logo.pixel(0, 0), qRgb(0xC0, 0, 0));
        }
        QVERIFY(art_.logo[0] != art_.logo[1]);
        for (int size : kIconSizes) {
            const QImage& icon = art_.icon.at(size);
            QCOMPARE(icon.size(), QSize(size, size));
            QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
            QCOMPARE(qAlpha(icon.pixel(size / 2, size / 2)), 255);
        }
    }

    void creaturesAreCentredWithAnOutline() {
        for (const SpeciesArt& s : art_.species) {
            for (const QImage* image : {&s.large, &s.small}) {
                const QRect b = MaskBounds(*image);
                QVERIFY2(b.left() > 0 && b.top() > 0 && b.right() < image->width() - 1 &&
                             b.bottom() < image->height() - 1,
                         qPrintable(
                             QStringLiteral("species %1 touches the frame").arg(s.traits.number)));
                QVERIFY(std::abs(b.center().x() - image->width() / 2) <= 2);
                // Every silhouette pixel next to the background is the outline colour.
                for (int y = 1; y < image->height() - 1; ++y) {
                    for (int x = 1; x < image->width() - 1; ++x) {
                        if (image->pixelIndex(x, y) != kBackgroundIndex &&
                            (image->pixelIndex(x - 1, y) == kBackgroundIndex ||
                             image->pixelIndex(x, y - 1) == kBackgroundIndex)) {
                            QCOMPARE(image->pixelIndex(x, y), kOutlineIndex);
                        }
                    }
                }
            }
        }
    }

    void deterministic() {
        const ArtSet again = GenerateArt(*LoadDatabase(testdata::TestDatabase()));
        for (int i = 0; i < kSpeciesCount; ++i) {
            QCOMPARE(EncodeImage(again.species[i].large, "BMP"),
                     EncodeImage(art_.species[i].large, "BMP"));
            QCOMPARE(EncodeImage(again.species[i].small, "BMP"),
                     EncodeImage(art_.species[i].small, "BMP"));
        }
        for (int language = 0; language < 2; ++language) {
            QCOMPARE(EncodeImage(again.logo[language], "BMP"),
                     EncodeImage(art_.logo[language], "BMP"));
        }
        for (int size : kIconSizes) {
            QCOMPARE(EncodeImage(again.icon.at(size), "PNG"),
                     EncodeImage(art_.icon.at(size), "PNG"));
        }
    }

    void everyPairDiffersInSilhouette() {
        std::vector<Mask> masks;
        for (const SpeciesArt& s : art_.species) {
            masks.push_back(MaskOf(s.large));
        }
        for (int a = 0; a < kSpeciesCount; ++a) {
            for (int b = a + 1; b < kSpeciesCount; ++b) {
                const double d = SilhouetteDifference(masks[a], masks[b]);
                if (d < kMinSilhouetteDifference) {
                    QFAIL(qPrintable(
                        QStringLiteral("species %1 and %2 differ in only %3 of their silhouette")
                            .arg(a + 1)
                            .arg(b + 1)
                            .arg(d)));
                }
            }
        }
    }

    void smallPictureUsesItsLargePalette() {
        for (const SpeciesArt& s : art_.species) {
            QCOMPARE(s.small.colorTable(), s.large.colorTable());
            const std::map<int, int> small = IndexCounts(s.small);
            const std::map<int, int> large = IndexCounts(s.large);
            for (const auto& [index, count] : small) {
                QVERIFY2(index < kFixedEnd,
                         qPrintable(QStringLiteral("species %1").arg(s.traits.number)));
            }
            // The material that covers most of the small picture is one of the two main
            // materials of the large one: the same creature, not merely the same colour table.
            auto materials = [](const std::map<int, int>& counts) {
                std::map<int, int> byMaterial;
                for (const auto& [index, count] : counts) {
                    if (index >= kRampBase && index < kScleraIndex) {
                        byMaterial[(index - kRampBase) / kShades] += count;
                    }
                }
                std::vector<std::pair<int, int>> sorted;
                for (const auto& [m, count] : byMaterial) {
                    sorted.push_back({count, m});
                }
                std::sort(sorted.rbegin(), sorted.rend());
                std::vector<int> order;
                for (const auto& [count, m] : sorted) {
                    order.push_back(m);
                }
                return order;
            };
            const std::vector<int> ofSmall = materials(small), ofLarge = materials(large);
            QVERIFY(ofSmall.size() >= 1 && ofLarge.size() >= 2);
            QVERIFY2(ofSmall[0] == ofLarge[0] || ofSmall[0] == ofLarge[1],
                     qPrintable(QStringLiteral("species %1").arg(s.traits.number)));
        }
    }

    void coloursFollowTypes() {
        // Same first type word: same body ramp; the second type brings its own colour.
        const QVector<QRgb> ember = SpeciesPalette({"EMBER"}, {});
        const QVector<QRgb> emberGale = SpeciesPalette({"EMBER", "GALE"}, {});
        const QVector<QRgb> gale = SpeciesPalette({"GALE"}, {});
        QCOMPARE(ember[RampIndex(kPrimary, 2)], emberGale[RampIndex(kPrimary, 2)]);
        QCOMPARE(emberGale[RampIndex(kSecondary, 2)], gale[RampIndex(kPrimary, 2)]);
        QVERIFY(ember[RampIndex(kSecondary, 2)] != emberGale[RampIndex(kSecondary, 2)]);
        // Only the background is pure white, so eyes and highlights are never holes.
        for (const QVector<QRgb>& p : {ember, emberGale, gale}) {
            QCOMPARE(std::count(p.begin(), p.end(), qRgb(255, 255, 255)), qsizetype(1));
        }
    }

    void familiesGrowAndKeepTheirPlan() {
        for (int base = 0; base < 90; base += 3) {
            const SpeciesArt& a = art_.species[base];
            const SpeciesArt& b = art_.species[base + 1];
            const SpeciesArt& c = art_.species[base + 2];
            QCOMPARE(int(b.plan), int(a.plan));
            QCOMPARE(int(c.plan), int(a.plan));
            // Each form takes more of the frame than the one before, and the final form
            // covers more of it than the base.
            auto extent = [](const QImage& image) {
                const QRect r = MaskBounds(image);
                return std::max(double(r.width()) / image.width(),
                                double(r.height()) / image.height());
            };
            QVERIFY2(extent(a.large) < extent(b.large) && extent(b.large) < extent(c.large),
                     qPrintable(QStringLiteral("family of %1").arg(base + 1)));
            QVERIFY2(MaskOf(a.large).count() < MaskOf(c.large).count(),
                     qPrintable(QStringLiteral("family of %1: %2 %3")
                                    .arg(base + 1)
                                    .arg(MaskOf(a.large).count())
                                    .arg(MaskOf(c.large).count())));
            // More parts on later forms.
            QVERIFY(IndexCounts(c.large).size() >= IndexCounts(a.large).size());
        }
    }

    void plansVaryAcrossFamilies() {
        std::set<int> plans;
        for (const SpeciesArt& s : art_.species) {
            plans.insert(int(s.plan));
        }
        QVERIFY(plans.size() >= 6);
    }

    void specialSpeciesWearTheSpecialColour_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("special");
        QTest::newRow("legendary and secret") << 250 << true;
        QTest::newRow("secret") << 251 << true;
        QTest::newRow("ordinary single") << 94 << false;
    }
    void specialSpeciesWearTheSpecialColour() {
        QFETCH(int, number);
        QFETCH(bool, special);
        const SpeciesArt& s = art_.species[number - 1];
        QCOMPARE(s.traits.legendary || s.traits.secret, special);
        int glow = 0;
        for (const auto& [index, count] : IndexCounts(s.large)) {
            if (index >= RampIndex(kSpecial, 0) && index < RampIndex(kSpecial + 1, 0)) {
                glow += count;
            }
        }
        if (special) {
            QVERIFY2(glow > 300, qPrintable(QString::number(glow)));
            QCOMPARE(s.large.color(RampIndex(kSpecial, 2)),
                     s.traits.legendary ? qRgb(0xF4, 0xC4, 0x30) : qRgb(0x5C, 0xF2, 0xE0));
        }
    }
};

QTEST_APPLESS_MAIN(TestArt)
#include "test_art.moc"

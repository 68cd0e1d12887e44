// The picture generator on the synthetic test database: traits read from the records,
// determinism, outlines, palettes, family likeness and the special species. The formats and
// the distinctness of the shipped pictures are checked on the embedded ones (test_pictures).
#include <QtTest>
#include <set>

#include "database/layout.h"
#include "database/testdata/testdata.h"
#include "database/writer.h"
#include "tools/art/art.h"
#include "tools/art/palette.h"

using namespace zentaloger;
using namespace zentaloger::art;

namespace {

// Gives each member of a family the steps, the rest of its evolution slots free.
void SetSteps(std::vector<QString>& f, const std::vector<int>& members,
              const std::vector<std::pair<int, int>>& steps) {
    for (int s : members) {
        for (int k = 0; k < kEvolutionSlots; ++k) {
            const bool used = k < static_cast<int>(steps.size());
            f[SpeciesField(s, 28 + 6 * k) - 1] = QString::number(used ? steps[k].first : -1);
            f[SpeciesField(s, 29 + 6 * k) - 1] = QString::number(used ? steps[k].second : -1);
        }
    }
}

QRect MaskBounds(const QImage& image) {
    QRect r;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelIndex(x, y) != kBackgroundIndex) {
                r |= QRect(x, y, 1, 1);
            }
        }
    }
    return r;
}

// Pixels per colour index.
std::map<int, int> IndexCounts(const QImage& image) {
    std::map<int, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            ++counts[image.pixelIndex(x, y)];
        }
    }
    return counts;
}

// The ramp materials of a picture, the one that covers most pixels first.
std::vector<int> MaterialsByArea(const QImage& image) {
    std::map<int, int> area;
    for (const auto& [index, count] : IndexCounts(image)) {
        if (index >= kRampBase && index < kScleraIndex) {
            area[(index - kRampBase) / kShades] += count;
        }
    }
    std::vector<int> materials;
    for (const auto& entry : area) {
        materials.push_back(entry.first);
    }
    std::stable_sort(materials.begin(), materials.end(),
                     [&area](int a, int b) { return area[a] > area[b]; });
    return materials;
}

}  // namespace

class TestArt : public QObject {
    Q_OBJECT

    ArtSet art_;

  private slots:
    void initTestCase() {
        art_ = GenerateArt(*LoadDatabase(testdata::TestDatabase()));
        QCOMPARE(static_cast<int>(art_.species.size()), kSpeciesCount);
    }

    // The type words, the place in the family from the evolution slots, the size from the
    // Russian texts.
    void traits_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QStringList>("types");
        QTest::addColumn<Stage>("stage");
        QTest::addColumn<int>("familyId");
        QTest::addColumn<int>("branch");
        QTest::addColumn<double>("cm");
        QTest::addColumn<double>("kg");
        QTest::newRow("base of a chain, in centimetres")
            << 1 << QStringList{"EMBER"} << Stage::Base << 1 << 0 << 20.0 << 1.0;
        QTest::newRow("middle") << 2 << QStringList{"TIDE", "SPROUT"} << Stage::Middle << 1 << 0
                                << 23.0 << 2.0;
        QTest::newRow("final, in metres and centimetres")
            << 30 << QStringList{"TIDE", "SPROUT"} << Stage::Final << 28 << 0 << 107.0 << 30.0;
        QTest::newRow("base, in whole metres")
            << 61 << QStringList{"EMBER"} << Stage::Base << 61 << 0 << 200.0 << 61.0;
        QTest::newRow("first branch")
            << 92 << QStringList{"STONE", "EMBER"} << Stage::Final << 91 << 0 << 293.0 << 92.0;
        QTest::newRow("second branch")
            << 93 << QStringList{"EMBER"} << Stage::Final << 91 << 1 << 296.0 << 93.0;
        QTest::newRow("no family")
            << 94 << QStringList{"TIDE", "SPROUT"} << Stage::Single << 94 << 0 << 299.0 << 94.0;
    }
    void traits() {
        QFETCH(int, number);
        const SpeciesTraits& t = art_.species[number - 1].traits;
        QTEST(t.types, "types");
        QTEST(t.stage, "stage");
        QTEST(t.familyId, "familyId");
        QTEST(t.branch, "branch");
        QTEST(t.heightCm, "cm");
        QTEST(t.weightKg, "kg");
    }

    // A baby numbered above the species it grows into (101 -> 100 -> 102); and a cycle of steps,
    // a self step, unknown or no type words and unparsable sizes, which must still draw.
    void unusualRecords() {
        std::vector<QString> f = testdata::TestDatabaseFields();
        const auto field = [&f](int s, int k) -> QString& { return f[SpeciesField(s, k) - 1]; };
        field(10, 14) = u"QUUX   /   ZORP"_qs;
        field(10, 15) = u"много"_qs;
        field(10, 16) = u"tall"_qs;
        field(10, 17) = QString();
        field(11, 14) = QString();
        SetSteps(f, {99, 100, 101}, {{100, 99}, {99, 101}});
        SetSteps(f, {10, 11}, {{10, 11}, {11, 10}, {10, 10}});
        const std::vector<SpeciesTraits> t = DeriveTraits(*LoadDatabase(EncodeResource(f)));
        QCOMPARE(t[100].stage, Stage::Baby);
        QCOMPARE(t[99].stage, Stage::Base);
        QCOMPARE(t[101].stage, Stage::Final);
        QCOMPARE(t[100].familyId, 100);
        QCOMPARE(t[101].familyLevels, 2);
        QVERIFY(LargeFill(t[100]) < LargeFill(t[99]));

        QCOMPARE(t[10].types, (QStringList{"QUUX", "ZORP"}));
        QCOMPARE(t[11].types, QStringList{"?"});
        QVERIFY(t[10].heightCm > 0 && t[10].weightKg > 0);
        const QVector<QRgb> p = SpeciesPalette(t[10].types, {});
        QCOMPARE(p.size(), kPaletteSize);
        QVERIFY(p[RampIndex(kPrimary, 2)] != p[RampIndex(kSecondary, 2)]);
        const QImage large =
            ToImage(Render(MakeDesign(t[10], 0), {kLargeWidth, kLargeHeight, 0.8}), p);
        QVERIFY(MaskOf(large).count() > 1000);
    }

    // Inside the frame, centred, outlined where the silhouette meets the background, and the
    // small picture the same creature in the large one's colours.
    void everyCreature() {
        std::set<int> plans;
        for (const SpeciesArt& s : art_.species) {
            plans.insert(int(s.plan));
            const QString species = QStringLiteral("species %1").arg(s.traits.number);
            for (const QImage* image : {&s.large, &s.small}) {
                const QRect b = MaskBounds(*image);
                QVERIFY2(b.left() > 0 && b.top() > 0 && b.right() < image->width() - 1 &&
                             b.bottom() < image->height() - 1,
                         qPrintable(species + u" touches the frame"_qs));
                QVERIFY2(std::abs(b.center().x() - image->width() / 2) <= 2, qPrintable(species));
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
            QCOMPARE(s.small.colorTable(), s.large.colorTable());
            QVERIFY2(IndexCounts(s.small).rbegin()->first < kFixedEnd, qPrintable(species));
            const std::vector<int> small = MaterialsByArea(s.small),
                                   large = MaterialsByArea(s.large);
            QVERIFY2(!small.empty() && large.size() >= 2 &&
                         (small[0] == large[0] || small[0] == large[1]),
                     qPrintable(species));
        }
        QVERIFY(plans.size() >= 6);
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
            QCOMPARE(b.plan, a.plan);
            QCOMPARE(c.plan, a.plan);
            // Each form takes more of the frame than the one before, and has more parts.
            auto extent = [](const QImage& image) {
                const QRect r = MaskBounds(image);
                return std::max(double(r.width()) / image.width(),
                                double(r.height()) / image.height());
            };
            QVERIFY2(extent(a.large) < extent(b.large) && extent(b.large) < extent(c.large) &&
                         MaskOf(a.large).count() < MaskOf(c.large).count() &&
                         IndexCounts(c.large).size() >= IndexCounts(a.large).size(),
                     qPrintable(QStringLiteral("family of %1").arg(base + 1)));
        }
    }

    // A declared body picks the plan whatever the family's type words suggest; hooves and
    // roots are drawn as variants of their plan, every other body exactly as its plan.
    void declaredBodies_data() {
        QTest::addColumn<QString>("body");
        QTest::addColumn<BodyPlan>("plan");
        QTest::addColumn<bool>("variant");  // drawn unlike the plan's own picture
        QTest::newRow("winged is avian") << u"winged"_qs << BodyPlan::Avian << false;
        QTest::newRow("upright is biped") << u"upright"_qs << BodyPlan::Biped << false;
        QTest::newRow("limbless is a serpent") << u"limbless"_qs << BodyPlan::Serpent << false;
        QTest::newRow("pawed is four-legged") << u"pawed"_qs << BodyPlan::Quadruped << false;
        QTest::newRow("hoofed stands on hooves") << u"hoofed"_qs << BodyPlan::Quadruped << true;
        QTest::newRow("rooted stands on roots") << u"rooted"_qs << BodyPlan::Blob << true;
    }
    void declaredBodies() {
        QFETCH(QString, body);
        QFETCH(BodyPlan, plan);
        QFETCH(bool, variant);
        const auto picture = [](const SpeciesTraits& t) {
            return Render(MakeDesign(t, 0), {kLargeWidth, kLargeHeight, 0.8}).pixels;
        };
        // A species of another plan takes the declared one; one of the same plan keeps its
        // family's look unless the body is a variant.
        const auto other = std::find_if(art_.species.begin(), art_.species.end(),
                                        [&](const SpeciesArt& s) { return s.plan != plan; });
        const auto same = std::find_if(art_.species.begin(), art_.species.end(),
                                       [&](const SpeciesArt& s) { return s.plan == plan; });
        QVERIFY(other != art_.species.end() && (same != art_.species.end() || !variant));
        SpeciesTraits t = other->traits;
        t.body = body;
        QCOMPARE(PlanOfSpecies(t), plan);
        if (same != art_.species.end()) {  // the test database has no family of some plans
            t = same->traits;
            t.body = body;
            QCOMPARE(picture(t) != picture(same->traits), variant);
        }
    }

    // The generator takes the declared bodies in; without one a species keeps its family's plan.
    void generatorDrawsTheDeclaredBody() {
        const auto s = std::find_if(art_.species.begin(), art_.species.end(),
                                    [](const SpeciesArt& a) { return a.plan != BodyPlan::Avian; });
        QVERIFY(s != art_.species.end());
        const int number = s->traits.number;
        const ArtSet art =
            GenerateArt(*LoadDatabase(testdata::TestDatabase()), {{number, u"winged"_qs}});
        QCOMPARE(art.species[number - 1].plan, BodyPlan::Avian);
        QVERIFY(art.species[number - 1].large != s->large);
        QCOMPARE(art.species[number].plan, art_.species[number].plan);
    }

    // The legendary and the secret species glow, each in a colour of its own; others do not.
    void specialSpecies() {
        for (int number : {250, 251, 94}) {
            const SpeciesArt& s = art_.species[number - 1];
            int glow = 0;
            for (const auto& [index, count] : IndexCounts(s.large)) {
                glow += index >= RampIndex(kSpecial, 0) && index < RampIndex(kSpecial + 1, 0)
                            ? count
                            : 0;
            }
            QCOMPARE(s.traits.legendary || s.traits.secret, number != 94);
            QVERIFY2((glow > 300) == (number != 94), qPrintable(QString::number(glow)));
        }
        QVERIFY(art_.species[249].large.color(RampIndex(kSpecial, 2)) !=
                art_.species[250].large.color(RampIndex(kSpecial, 2)));
    }
};

QTEST_APPLESS_MAIN(TestArt)
#include "test_art.moc"

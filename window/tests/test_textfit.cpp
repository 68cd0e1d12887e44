// Every text the window shows fits the element that shows it, in the embedded font, in both
// languages and for every species of the shipped database; and the letters of the 9-px text
// stand evenly. A text that does not fit is named with its element, species and language.
#include <QApplication>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QPainter>
#include <QTextLayout>
#include <QtTest>

#include "detailpages.h"
#include "form.h"
#include "movepanel.h"
#include "startup.h"
#include "toolkit/toolkit.h"

using namespace zentaloger;
using toolkit::Font;
using toolkit::kFontPx;
using toolkit::Label;
using toolkit::OptionButton;

namespace {

const char* kLanguage[] = {"Russian", "English"};

// The ink of each glyph of `text` as a label draws it: every glyph is rendered alone at the
// pen position the layout gives it, so the spacing measured is the spacing drawn.
struct Ink {
    QImage image;
    int first = 0, last = -1;  // inked columns; empty for a space
    bool empty() const { return last < first; }
    bool at(int x, int y) const {
        return x >= 0 && x < image.width() && image.pixel(x, y) != qRgb(255, 255, 255);
    }
};
QList<Ink> InkOfGlyphs(const QString& text, const QFont& font) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QSize size(QFontMetrics(font).horizontalAdvance(text) + 20, 30);
    QList<Ink> inks;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype g = 0; g < glyphs.size(); ++g) {
            Ink ink{QImage(size, QImage::Format_RGB32), size.width(), -1};
            ink.image.fill(Qt::white);
            QGlyphRun one = run;
            one.setGlyphIndexes({glyphs[g]});
            one.setPositions({positions[g] + QPointF(10, 0)});
            {
                QPainter painter(&ink.image);
                painter.setPen(Qt::black);
                painter.drawGlyphRun(QPointF(0, 20), one);
            }
            for (int x = 0; x < size.width(); ++x) {
                for (int y = 0; y < size.height(); ++y) {
                    if (ink.at(x, y)) {
                        ink.first = std::min(ink.first, x);
                        ink.last = std::max(ink.last, x);
                    }
                }
            }
            inks << ink;
        }
    }
    return inks;
}

// Two neighbours that share columns run together when a pixel of one lies on or beside a
// pixel of the other in the same row: kerned letters may share columns (the bowl of P over
// the foot of A), not ink.
bool Touch(const Ink& a, const Ink& b) {
    for (int y = 0; y < a.image.height(); ++y) {
        for (int x = b.first; x <= a.last + 1; ++x) {
            if (b.at(x, y) && (a.at(x, y) || a.at(x - 1, y))) {
                return true;
            }
        }
    }
    return false;
}

// The room a one-line caption has: its text rectangle, and for a transparent label over a
// bordered box of its own ("lblNAME" over "shpNAME") no further than one pixel short of the
// box's right border.
int RoomOf(const Label* label, const toolkit::Elements& elements) {
    int right = label->x() + label->textRect().right();
    const QByteArray box = "shp" + label->objectName().mid(3).toLatin1();
    if (const auto* shape = elements.find<toolkit::Shape>(box.constData())) {
        right = std::min(right, shape->geometry().right() - 2);
    }
    return right - (label->x() + label->textRect().left()) + 1;
}

// Every caption of the window (of the labels whose names begin with `prefix`) that does not
// fit, as "name "caption": what, room".
QStringList CaptionsThatDoNotFit(const Form& form, const QString& where,
                                 const QString& prefix = QString()) {
    QStringList tooWide;
    for (const Label* label : form.findChildren<Label*>()) {
        const QString& text = label->caption();
        if (text.isEmpty() || !label->objectName().startsWith(prefix)) {
            continue;
        }
        const QFontMetrics metrics(label->font());
        const QRect box = label->textRect();
        if (box.height() > metrics.height() + 2) {  // several lines, wrapped at words
            const QRect used =
                metrics.boundingRect(box, Qt::AlignLeft | Qt::AlignTop | Label::kTextFlags, text);
            if (used.height() > box.height() || used.width() > box.width()) {
                tooWide << QStringLiteral("%1 %2: %3 x %4 px in %5 x %6")
                               .arg(where, label->objectName())
                               .arg(used.width())
                               .arg(used.height())
                               .arg(box.width())
                               .arg(box.height());
            }
            continue;
        }
        const int width = metrics.horizontalAdvance(text);
        const int room = RoomOf(label, form.elements());
        if (width > room) {
            tooWide << QStringLiteral("%1 %2 \"%3\": %4 px, room %5")
                           .arg(where, label->objectName(), text)
                           .arg(width)
                           .arg(room);
        }
    }
    for (const OptionButton* option : form.findChildren<OptionButton*>()) {
        if (!option->objectName().startsWith(prefix)) {
            continue;
        }
        const int width = QFontMetrics(option->font()).horizontalAdvance(option->caption());
        const int room = option->width() - OptionButton::kTextIndent;
        if (width > room) {
            tooWide << QStringLiteral("%1 %2 \"%3\": %4 px, room %5")
                           .arg(where, option->objectName(), option->caption())
                           .arg(width)
                           .arg(room);
        }
    }
    return tooWide;
}

}  // namespace

class TestTextFit : public QObject {
    Q_OBJECT

    StartupState state_;
    const Database* db_ = nullptr;

  private slots:
    void initTestCase() {
        state_ = StartUp();
        db_ = state_.database.get();
        QVERIFY(db_);
    }

    // A list line has the list's width less the frame and the line's 1-px indent.
    void listLabels() {
        pages::DetailPages pages(*db_, state_.view);
        Form form(*db_, state_.view, pages);
        const auto* list = form.element<toolkit::ListBox>("lstZENTARI");
        const int room = list->viewport()->width() - 1;
        const QFontMetrics metrics(list->font());
        QStringList tooWide;
        for (int row = 0; row < kSpeciesCount; ++row) {
            for (int language = 0; language < kLanguageCount; ++language) {
                for (int order = 0; order < kOrderCount; ++order) {
                    const QString text = db_->listLabel[row][language][order].toString();
                    if (metrics.horizontalAdvance(text) > room) {
                        tooWide << QStringLiteral("%1 \"%2\": %3 px, room %4")
                                       .arg(QLatin1String(kLanguage[language]), text)
                                       .arg(metrics.horizontalAdvance(text))
                                       .arg(room);
                    }
                }
            }
        }
        tooWide.removeDuplicates();
        QVERIFY2(tooWide.isEmpty(), qPrintable(tooWide.join(u'\n')));
    }

    // Every caption, fixed or from the data, in both languages and for every species: the
    // window as the user sees it after each species is shown.
    void everyCaption() {
        ViewState view;
        pages::DetailPages pages(*db_, view);
        Form form(*db_, view, pages);
        form.Load();
        QStringList tooWide;
        for (int language : {1, 0}) {
            form.lblLANG_Click(language);
            for (int row = 1; row <= kSpeciesCount; ++row) {
                view.selectedRow = row;
                form.ShowSpecies();
                tooWide << CaptionsThatDoNotFit(
                    form,
                    QStringLiteral("%1 row %2").arg(QLatin1String(kLanguage[language])).arg(row));
            }
        }
        QVERIFY2(tooWide.isEmpty(), qPrintable(tooWide.mid(0, 30).join(u'\n')));
    }

    // Every move in each of the three panels and every move name in a level row, in both
    // languages: the species above show only the moves they teach first.
    void everyMove() {
        ViewState view;
        pages::DetailPages pages(*db_, view);
        Form form(*db_, view, pages);
        form.Load();
        Label* row = form.element<Label>("lblMOVES_MOVE", 0);
        QStringList tooWide;
        for (int language : {1, 0}) {
            form.lblLANG_Click(language);
            for (const pages::PanelNames* set :
                 {&pages::kMovesPanel, &pages::kTmPanel, &pages::kHmPanel}) {
                pages::MovePanel panel;
                panel.attach(form.elements(), *set);
                const QString prefix = QString::fromLatin1(set->title).section(u'_', 0, 0) + u'_';
                for (int m = 0; m < kMoveCount; ++m) {
                    panel.ShowMovePanel(*db_, language, m);
                    row->setCaption(db_->moves[m].moveName[language].toString());
                    tooWide << CaptionsThatDoNotFit(
                        form,
                        QStringLiteral("%1 move %2").arg(QLatin1String(kLanguage[language])).arg(m),
                        prefix);
                }
            }
        }
        QVERIFY2(tooWide.isEmpty(), qPrintable(tooWide.mid(0, 30).join(u'\n')));
    }

    // Letters stand evenly in every text of the window at both sizes: two neighbouring
    // letters neither stand 3 px or more apart nor run together.
    void evenSpacing() {
        ViewState view;
        pages::DetailPages pages(*db_, view);
        Form form(*db_, view, pages);
        form.Load();
        QList<std::pair<QString, QFont>> texts;
        const QFont list = form.element<toolkit::ListBox>("lstZENTARI")->font();
        const QFont name = form.element<Label>("lblNAME")->font();
        for (int language = 0; language < kLanguageCount; ++language) {
            form.lblLANG_Click(language);
            for (const Label* label : form.findChildren<Label*>()) {
                texts.append({label->caption(), label->font()});
            }
            for (const OptionButton* option : form.findChildren<OptionButton*>()) {
                texts.append({option->caption(), option->font()});
            }
            for (int row = 0; row < kSpeciesCount; ++row) {
                texts.append({db_->listLabel[row][language][0].toString(), list});
                texts.append({db_->listLabel[row][language][0].toString(), name});
            }
        }
        int gaps = 0, touching = 0;
        QStringList seen;
        for (const auto& [text, font] : texts) {
            const QList<Ink> inks = InkOfGlyphs(text, font);
            QVERIFY2(inks.size() == text.size(), qPrintable(text));  // one glyph a character
            for (qsizetype g = 0; g + 1 < inks.size(); ++g) {
                // Digits share one advance whatever their ink, so "01" is wide by design;
                // letters are what must stand evenly.
                if (!text[g].isLetter() || !text[g + 1].isLetter()) {
                    continue;
                }
                const int gap = inks[g + 1].first - inks[g].last - 1;
                const bool touch = gap < 0 && Touch(inks[g], inks[g + 1]);
                if (gap >= 3 || touch) {
                    (touch ? touching : gaps)++;
                    if (seen.size() < 20) {
                        seen << QStringLiteral("%1 px%2 \"%3\" letters %4-%5: gap %6%7")
                                    .arg(font.pixelSize())
                                    .arg(font.bold() ? " bold" : "", text)
                                    .arg(g)
                                    .arg(g + 1)
                                    .arg(gap)
                                    .arg(touch ? ", touching" : "");
                    }
                }
            }
        }
        QVERIFY2(seen.isEmpty(), qPrintable(QStringLiteral("%1 gaps of 3 px or more, %2 letters "
                                                           "running together\n")
                                                .arg(gaps)
                                                .arg(touching) +
                                            seen.join(u'\n')));
    }

    // At each size every capital letter the window shows draws a shape of its own, so no
    // letter reads as another (at 7 px the condensed N once drew as an H).
    void lettersKeepTheirShapes_data() {
        QTest::addColumn<int>("pixelSize");
        QTest::addColumn<bool>("bold");
        QTest::newRow("small") << toolkit::kSmallFontPx << false;
        QTest::newRow("normal") << kFontPx << false;
        QTest::newRow("normal bold") << kFontPx << true;
    }
    void lettersKeepTheirShapes() {
        QFETCH(int, pixelSize);
        QFETCH(bool, bold);
        const QFont font = Font(pixelSize, bold);
        QHash<QByteArray, QChar> shapes;
        QStringList alike;
        for (const QString& alphabet : {QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ"),
                                        QStringLiteral("АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ")}) {
            for (QChar letter : alphabet) {
                const Ink ink = InkOfGlyphs(QString(letter), font).value(0);
                QByteArray shape;
                for (int y = 0; y < ink.image.height(); ++y) {
                    for (int x = ink.first; x <= ink.last; ++x) {
                        shape += ink.at(x, y) ? '#' : '.';
                    }
                    shape += '/';
                }
                // Latin and Cyrillic letters of one shape (A and А) are meant to be alike.
                const QChar other = shapes.value(shape);
                if (!other.isNull() && (other.unicode() < 0x400) == (letter.unicode() < 0x400)) {
                    alike << QStringLiteral("%1 and %2").arg(other).arg(letter);
                }
                shapes.insert(shape, letter);
            }
        }
        QVERIFY2(alike.isEmpty(), qPrintable(alike.join(u", ")));
    }
};

QTEST_MAIN(TestTextFit)
#include "test_textfit.moc"

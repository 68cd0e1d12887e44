// Every text the window shows fits the element that shows it, in the embedded font, in both
// languages and for every species and move of the shipped database; the letters stand evenly
// and keep their shapes; and one-line captions drawn from glyphs look exactly as the text
// layout draws them. A text that fails is named with its element, species and language.
#include <QApplication>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QPainter>
#include <QTextLayout>
#include <QtTest>

#include "app/viewer.h"
#include "database/codec.h"
#include "database/startup.h"
#include "pages/movepanel.h"
#include "window/toolkit/oneline.h"
#include "window/toolkit/toolkit.h"

using namespace zentaloger;
using toolkit::Label;
using toolkit::OptionButton;

namespace {

// The ink of each glyph of `text` as a label draws it: every glyph is rendered alone at the
// pen position the layout gives it, so the spacing measured is the spacing drawn.
struct Ink {
    QImage image;
    int first = 0, last = -1;  // inked columns; empty for a space
    bool at(int x, int y) const {
        return x >= 0 && x < image.width() && image.pixel(x, y) != qRgb(255, 255, 255);
    }
    Ink& findColumns() {
        first = image.width();
        for (int x = 0; x < image.width(); ++x) {
            for (int y = 0; y < image.height(); ++y) {
                if (at(x, y)) {
                    first = std::min(first, x);
                    last = x;
                }
            }
        }
        return *this;
    }
};
QList<Ink> InkOfGlyphs(const QString& text, const QFont& font) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const int line = QFontMetrics(font).height();  // baseline on the second of three lines
    const QSize size(QFontMetrics(font).horizontalAdvance(text) + 20, 3 * line);
    QList<Ink> inks;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        for (qsizetype g = 0; g < run.glyphIndexes().size(); ++g) {
            Ink ink{QImage(size, QImage::Format_RGB32)};
            ink.image.fill(Qt::white);
            QGlyphRun one = run;
            one.setGlyphIndexes({run.glyphIndexes()[g]});
            one.setPositions({run.positions()[g] + QPointF(10, 0)});
            QPainter(&ink.image).drawGlyphRun(QPointF(0, 2 * line), one);
            inks << ink.findColumns();
        }
    }
    return inks;
}

// One character as a label draws it: the columns it inks, and its advance. Alike characters
// have equal shapes.
struct Shape {
    QImage ink;
    int advance = 0;
    bool operator==(const Shape&) const = default;
};
Shape ShapeOf(QChar c, const QFont& font) {
    const Ink ink = InkOfGlyphs(c, font).value(0);
    const QRect columns(ink.first, 0, ink.last - ink.first + 1, ink.image.height());
    return {ink.last < 0 ? QImage() : ink.image.copy(columns),
            QFontMetrics(font).horizontalAdvance(c)};
}

// Two neighbours that share columns run together when a pixel of one lies on or beside a
// pixel of the other in the same row: kerned letters may share columns, not ink.
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

QString Size(QSize s) {
    return QStringLiteral("%1 x %2").arg(s.width()).arg(s.height());
}

// Every caption of the form (of the elements whose names begin with `prefix`) that does not
// fit, as "where name "caption": size, room". A caption in a box of several lines wraps at
// words within it; a one-line caption has its text rectangle, and a transparent label over a
// bordered box of its own ("lblNAME" over "shpNAME") no further than one pixel short of the
// box's right border; an option has its width less the mark.
QStringList CaptionsThatDoNotFit(const Form& form, const QString& where, const QString& prefix) {
    QStringList tooWide;
    auto check = [&](const QWidget* element, const QString& text, QSize used, QSize room) {
        if (!text.isEmpty() && element->objectName().startsWith(prefix) &&
            (used.width() > room.width() || used.height() > room.height())) {
            tooWide << QStringLiteral("%1 %2 \"%3\": %4 px, room %5")
                           .arg(where, element->objectName(), text, Size(used), Size(room));
        }
    };
    for (const Label* label : form.findChildren<Label*>()) {
        const QFontMetrics metrics(label->font());
        QRect box = label->textRect();
        if (box.height() > metrics.height() + 2) {
            check(label, label->caption(),
                  metrics
                      .boundingRect(box, Qt::AlignLeft | Qt::AlignTop | Label::kTextFlags,
                                    label->caption())
                      .size(),
                  box.size());
            continue;
        }
        const QByteArray shape = "shp" + label->objectName().mid(3).toLatin1();
        if (const auto* s = form.elements().find<toolkit::Shape>(shape.constData())) {
            box.setRight(std::min(box.right(), s->geometry().right() - 2 - label->x()));
        }
        check(label, label->caption(), {metrics.horizontalAdvance(label->caption()), 0},
              box.size());
    }
    for (const OptionButton* option : form.findChildren<OptionButton*>()) {
        check(option, option->caption(),
              {QFontMetrics(option->font()).horizontalAdvance(option->caption()), 0},
              {option->width() - OptionButton::kTextIndent, 0});
    }
    return tooWide;
}

}  // namespace

class TestTextFit : public QObject {
    Q_OBJECT

    StartupState state_;
    const Database* db_ = nullptr;
    std::unique_ptr<Viewer> viewer_;
    Form* form_ = nullptr;

  private slots:
    void initTestCase() {
        state_ = StartUp();
        db_ = state_.database.get();
        QVERIFY(db_);
        viewer_ = BuildViewer(state_);
        form_ = &viewer_->form();
        viewer_->Load();
    }

    // Every caption, fixed or from the data, as the user sees it after each species is shown
    // and after each move is chosen in a move panel (with the move's name in a level row too); and
    // every list line, which has the list's width less the frame and the line's 1-px indent.
    void everyCaption() {
        const auto* list = form_->element<toolkit::ListBox>("lstZENTARI");
        const QFontMetrics lineMetrics(list->font());
        Label* row = form_->element<Label>("lblMOVES_MOVE", 0);
        QStringList tooWide;
        for (int language : {1, 0}) {
            const QString in = QLatin1String(language ? "English" : "Russian");
            form_->lblLANG_Click(language);
            for (int r = 1; r <= kSpeciesCount; ++r) {
                state_.view.selectedRow = r;
                form_->ShowSpecies();
                tooWide << CaptionsThatDoNotFit(*form_, in + QStringLiteral(" row %1").arg(r), {});
                for (int order = 0; order < kOrderCount; ++order) {
                    const QString line = db_->listLabel[r - 1][language][order].toString();
                    if (lineMetrics.horizontalAdvance(line) > list->viewport()->width() - 1) {
                        tooWide << in + u" list line " + line;
                    }
                }
            }
            // The three panels are laid out from one set of rows: the moves page's stands for all.
            pages::MovePanel panel;
            panel.attach(form_->elements(), pages::kMovesPanel);
            for (int m = 0; m < kMoveCount; ++m) {
                panel.ShowMovePanel(*db_, Language(language), m);
                row->setCaption(db_->moves[m].moveName[language].toString());
                tooWide << CaptionsThatDoNotFit(*form_, in + QStringLiteral(" move %1").arg(m),
                                                u"lblMOVES_"_qs);
            }
        }
        tooWide.removeDuplicates();
        QVERIFY2(tooWide.isEmpty(), qPrintable(tooWide.mid(0, 30).join(u'\n')));
    }

    // Letters stand evenly in every text of the window at both sizes: two neighbouring
    // letters neither stand 3 px or more apart nor run together. (Digits share one advance
    // whatever their ink, so "01" is wide by design.)
    void evenSpacing() {
        QList<std::pair<QString, QFont>> texts;
        const QFont list = form_->element<toolkit::ListBox>("lstZENTARI")->font();
        const QFont name = form_->element<Label>("lblNAME")->font();
        for (int language = 0; language < kLanguageCount; ++language) {
            form_->lblLANG_Click(language);
            for (const Label* label : form_->findChildren<Label*>()) {
                texts.append({label->caption(), label->font()});
            }
            for (const OptionButton* option : form_->findChildren<OptionButton*>()) {
                texts.append({option->caption(), option->font()});
            }
            for (int row = 0; row < kSpeciesCount; ++row) {
                texts.append({db_->listLabel[row][language][0].toString(), list});
                texts.append({db_->listLabel[row][language][0].toString(), name});
            }
        }
        QStringList seen;
        for (const auto& [text, font] : texts) {
            const QList<Ink> inks = InkOfGlyphs(text, font);
            QVERIFY2(inks.size() == text.size(), qPrintable(text));  // one glyph a character
            for (qsizetype g = 0; g + 1 < inks.size(); ++g) {
                const int gap = inks[g + 1].first - inks[g].last - 1;
                const bool touch = gap < 0 && Touch(inks[g], inks[g + 1]);
                if (text[g].isLetter() && text[g + 1].isLetter() && (gap >= 3 || touch)) {
                    seen << QStringLiteral("%1 px%2 \"%3\" letters %4: gap %5%6")
                                .arg(QString::number(font.pixelSize()), font.bold() ? " bold" : "",
                                     text, QString::number(g), QString::number(gap),
                                     touch ? ", touching" : "");
                }
            }
        }
        QVERIFY2(seen.isEmpty(), qPrintable(QString::number(seen.size()) + u" uneven pairs:\n" +
                                            seen.mid(0, 20).join(u'\n')));
    }

    // At each size and weight the window uses, every character a text can hold (the
    // Windows-1251 repertoire) draws a shape of its own, the same at twice and three times the
    // size with each pixel a square block; characters drawn symmetric are their own mirror
    // image, and paired brackets each other's. Only blanks and a Latin and a Cyrillic letter
    // that are one letter (A and А, never in one text) may look alike. (The outline face drew
    // ( and ) as one bar at 9 px, and I as i at 7 px.)
    void lettersKeepTheirShapes_data() {
        QTest::addColumn<QFont>("font");
        QTest::newRow("7 px") << toolkit::Font(toolkit::kSmallFontPx, false);
        QTest::newRow("9 px") << toolkit::Font(toolkit::kFontPx, false);
        QTest::newRow("9 px bold") << toolkit::Font(toolkit::kFontPx, true);
    }
    void lettersKeepTheirShapes() {
        QFETCH(QFont, font);
        const QString latin = u"ABCEHKMOPTXaceopxyIiJjSs"_qs,
                      cyrillic = u"АВСЕНКМОРТХасеорхуІіЈјЅѕ"_qs;
        // Mirror images of each other: the paired brackets, and each symmetric character and
        // itself.
        QString pairs = u"()[]{}<>«»‹›/\\"_qs;
        for (QChar c : u"08AHIMOTUVWXYovwx!\"'*+-=:.|^_°·АДЖМНОПТФХШІЇжмнопфхшії"_qs) {
            pairs += QString(2, c);
        }
        QHash<QChar, Shape> shapes;
        QStringList faults;
        for (int byte = 0x20; byte < 0x100; ++byte) {
            const QChar c = cp1251::Decode(static_cast<unsigned char>(byte));
            // The soft hyphen is drawn only at a line's end, as a hyphen.
            if (byte == 0x7F || byte == 0xAD || c == cp1251::detail::kUndefined) {
                continue;
            }
            const Shape shape = ShapeOf(c, font);
            for (int zoom : {2, 3}) {
                QFont zoomed = font;
                zoomed.setPixelSize(font.pixelSize() * zoom);
                const QImage blocks =
                    shape.ink.isNull() ? QImage() : shape.ink.scaled(shape.ink.size() * zoom);
                if (ShapeOf(c, zoomed) != Shape{blocks, shape.advance * zoom}) {
                    faults << QStringLiteral("%1 at %2x").arg(c).arg(zoom);
                }
            }
            const bool blank = c.isSpace();
            if (shape.ink.isNull() != blank) {
                faults << QStringLiteral("%1 blank: %2").arg(c).arg(shape.ink.isNull());
            }
            for (auto other = shapes.cbegin(); other != shapes.cend(); ++other) {
                const qsizetype letter = latin.indexOf(other.key());
                if (other.value() == shape && !blank &&
                    (letter < 0 || cyrillic.indexOf(c) != letter)) {
                    faults << QStringLiteral("%1 as %2").arg(c, other.key());
                }
            }
            shapes.insert(c, shape);
        }
        for (qsizetype i = 0; i < pairs.size(); i += 2) {
            if (shapes[pairs[i]].ink != shapes[pairs[i + 1]].ink.mirrored(true, false)) {
                faults << QStringLiteral("%1 not the mirror of %2").arg(pairs[i], pairs[i + 1]);
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u", ")));
    }

    // One-line captions drawn from glyphs look exactly as the text layout draws them: every
    // shipped caption of the list, the card and the move tables, in each font and alignment
    // the labels use. Kerning, a ligature or a hinting change would part the two.
    void oneLineAsLaidOut_data() {
        QTest::addColumn<QFont>("font");
        QTest::addColumn<int>("alignment");
        using toolkit::Font;
        QTest::newRow("regular, left") << Font(toolkit::kFontPx, false) << int(Qt::AlignLeft);
        QTest::newRow("bold, centred") << Font(toolkit::kFontPx, true) << int(Qt::AlignHCenter);
        QTest::newRow("small, right") << Font(toolkit::kSmallFontPx, false) << int(Qt::AlignRight);
        QTest::newRow("small bold, centred")
            << Font(toolkit::kSmallFontPx, true) << int(Qt::AlignHCenter);
    }
    void oneLineAsLaidOut() {
        QFETCH(QFont, font);
        QFETCH(int, alignment);
        QStringList captions{"TRAILING SPACES   ", u"Ёё №1 «ДА» – 5°"_qs};
        for (int l = 0; l < kLanguageCount; ++l) {
            for (int s = 0; s < kSpeciesCount; ++s) {
                const SpeciesRecord& r = db_->species[s];
                captions << db_->listLabel[s][l][0].toString() << r.typeLabel[l].toString()
                         << r.heightLabel[l].toString() << r.weightLabel[l].toString();
            }
            for (const MoveRecord& m : db_->moves) {
                captions << m.moveName[l].toString() << m.moveType[l].toString();
            }
        }
        const QRect box(3, 1, 124, 12);
        int fast = 0;
        for (const QString& text : captions) {
            QImage glyphs(130, 14, QImage::Format_RGB32);
            glyphs.fill(Qt::white);
            QImage laidOut = glyphs.copy();
            QPainter painter(&glyphs);
            painter.setFont(font);
            painter.setPen(Qt::black);
            if (!toolkit::DrawOneLine(painter, box, Qt::Alignment(alignment), text, font)) {
                continue;  // too wide for the box: the label lays it out
            }
            ++fast;
            painter.end();
            painter.begin(&laidOut);
            painter.setFont(font);
            painter.setPen(Qt::black);
            painter.drawText(box, alignment | Qt::AlignTop | Label::kTextFlags, text);
            painter.end();
            QVERIFY2(glyphs == laidOut, qPrintable(text));
        }
        // Nearly every caption takes the glyph path; only those too wide for the box do not.
        QVERIFY2(fast > captions.size() * 9 / 10, qPrintable(QString::number(fast)));
    }
};

QTEST_MAIN(TestTextFit)
#include "test_textfit.moc"

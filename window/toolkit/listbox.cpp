#include "window/toolkit/toolkit.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStaticText>
#include <QStyledItemDelegate>
#include <algorithm>

namespace zentaloger::toolkit {

namespace {

// Draws each row itself: exact list colours, no focus frame, no style tint, text from the
// row's left edge plus one pixel.
class RowDelegate : public QStyledItemDelegate {
  public:
    RowDelegate(QObject* parent, int rowHeight)
        : QStyledItemDelegate(parent), rowHeight_(rowHeight) {}

    // Rows `zoom` times their height at 1x, the text `zoom` pixels in.
    void setZoom(int rowHeight, int zoom) {
        rowHeight_ = rowHeight * zoom;
        indent_ = zoom;
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return {0, rowHeight_};
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state & QStyle::State_Selected;
        const QPalette& palette = option.palette;
        painter->fillRect(option.rect, selected ? palette.color(QPalette::Highlight)
                                                : palette.color(QPalette::Base));
        painter->setPen(selected ? palette.color(QPalette::HighlightedText)
                                 : palette.color(QPalette::Text));
        painter->setFont(option.font);
        const QStaticText& text = LaidOut(index.data(Qt::DisplayRole).toString(), option.font);
        // One pixel (at 1x) in from the left, the line's box centred in the row.
        const QRectF box = option.rect.adjusted(indent_, 0, 0, 0);
        painter->drawStaticText(QPointF(box.x(), box.y() + (box.height() - lineHeight_) / 2), text);
    }

  private:
    // The list shows a few hundred labels, each in turn on 16 rows as the list scrolls; each
    // is shaped once and drawn from its laid-out glyphs after that.
    const QStaticText& LaidOut(const QString& text, const QFont& font) const {
        if (font != font_ || laidOut_.size() >= kMostLaidOut) {
            laidOut_.clear();
            font_ = font;
            lineHeight_ = QFontMetricsF(font).height();
        }
        auto it = laidOut_.find(text);
        if (it == laidOut_.end()) {
            QStaticText laid(text);
            laid.setTextFormat(Qt::PlainText);
            laid.prepare(QTransform(), font);
            it = laidOut_.insert(text, laid);
        }
        return *it;
    }

    static constexpr qsizetype kMostLaidOut = 4096;
    int rowHeight_;
    int indent_ = 1;
    mutable QFont font_;
    mutable qreal lineHeight_ = 0;
    mutable QHash<QString, QStaticText> laidOut_;
};

// Hands `handle` the same event without its modifiers, and takes over whether it was
// accepted. A single-selection item view lets Ctrl take the highlight off the chosen line
// (Ctrl+click on it, Ctrl+Space), which would leave the viewer showing a line as chosen that
// the list no longer marks; the list ignores the modifiers instead.
template <typename Handle>
void WithoutModifiers(QMouseEvent* event, Handle handle) {
    QMouseEvent plain(event->type(), event->position(), event->scenePosition(),
                      event->globalPosition(), event->button(), event->buttons(), Qt::NoModifier,
                      event->pointingDevice());
    plain.setTimestamp(event->timestamp());
    handle(&plain);
    event->setAccepted(plain.isAccepted());
}
template <typename Handle>
void WithoutModifiers(QKeyEvent* event, Handle handle) {
    QKeyEvent plain(event->type(), event->key(), Qt::NoModifier, event->text(),
                    event->isAutoRepeat(), event->count());
    plain.setTimestamp(event->timestamp());
    handle(&plain);
    event->setAccepted(plain.isAccepted());
}

}  // namespace

ListBox::ListBox(QWidget* parent, int rowHeight, QFont font)
    : QListWidget(parent), rowHeight_(rowHeight) {
    setFont(font);
    setItemDelegate(new RowDelegate(this, rowHeight));
    setUniformItemSizes(true);
    setSpacing(0);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTextElideMode(Qt::ElideNone);
    // Selection follows the current row; Click is raised for every new line and never for
    // the "no line" that clearing leaves.
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) {
            emit click();
        }
    });
}

void ListBox::setZoom(int zoom) {
    Zoomed::setZoom(zoom);
    static_cast<RowDelegate*>(itemDelegate())->setZoom(rowHeight_, zoom);
    setLineWidth(zoom);
    // The view keeps the rows' common size until it lays them out afresh.
    setUniformItemSizes(false);
    setUniformItemSizes(true);
    doItemsLayout();
}

QString ListBox::list(int i) const {
    const QListWidgetItem* it = item(i);
    return it ? it->text() : QString();
}

void ListBox::setSelected(int i) {
    if (i >= 0 && i < count()) {
        setCurrentRow(i);
    }
}

void ListBox::focusInEvent(QFocusEvent* event) {
    // Skips the item view's habit of making the first line current when the list gains the
    // focus without one: a line is chosen only by the user or from code.
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

int ListBox::LineAfterKey(int key, int line, int count) {
    const int last = count - 1;
    switch (key) {
        case Qt::Key_Up:
        case Qt::Key_Left:
            return line < 0 ? 0 : std::max(line - 1, 0);
        case Qt::Key_Down:
        case Qt::Key_Right:
            return line < 0 ? 0 : std::min(line + 1, last);
        case Qt::Key_PageUp:
        case Qt::Key_Home:
            return 0;
        case Qt::Key_PageDown:
        case Qt::Key_End:
            return last;
        default:
            return -2;
    }
}

void ListBox::keyPressEvent(QKeyEvent* event) {
    int keyCode = KeyCodeOf(event->key());
    const int shift = ShiftOf(event->modifiers());
    emit keyDown(keyCode, shift, event->text());
    if (keyCode == -1) {
        event->accept();
        return;
    }
    // A standard single-selection list, whatever modifier is held: the arrows step one line
    // (Left and Right as Up and Down), Page Up and Home go to the first line, Page Down and
    // End to the last, always within the lines there are. The item view's own paging would
    // move by the viewport's height and its Ctrl+arrows would move without selecting.
    const int line = LineAfterKey(event->key(), listIndex(), count());
    if (line != -2) {
        if (count() > 0) {
            setSelected(line);
        }
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Select) {
        WithoutModifiers(event, [this](QKeyEvent* plain) { QListWidget::keyPressEvent(plain); });
        return;
    }
    QListWidget::keyPressEvent(event);
}

// Only the left button chooses a line, whatever modifier is held; the other buttons do
// nothing in the list.
void ListBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        WithoutModifiers(event,
                         [this](QMouseEvent* plain) { QListWidget::mousePressEvent(plain); });
    } else {
        event->accept();
    }
}

void ListBox::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) {
        QListWidget::mouseMoveEvent(event);
    } else {
        event->accept();
    }
}

void ListBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        WithoutModifiers(event,
                         [this](QMouseEvent* plain) { QListWidget::mouseReleaseEvent(plain); });
    } else {
        event->accept();
    }
}

void ListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        QListWidget::mouseDoubleClickEvent(event);
    } else {
        event->accept();
    }
}

}  // namespace zentaloger::toolkit

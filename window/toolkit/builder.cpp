#include "window/toolkit/builder.h"

#include "window/toolkit/toolkit.h"

namespace zentaloger::toolkit {

namespace {

Qt::Alignment AlignmentOf(Align align) {
    switch (align) {
        case Align::Centre:
            return Qt::AlignHCenter;
        case Align::Right:
            return Qt::AlignRight;
        case Align::Left:
            break;
    }
    return Qt::AlignLeft;
}

QRect PixelRect(const Place& at) {
    // Edges are rounded, not sizes, so neighbours placed edge to edge in twips stay so.
    return QRect(QPoint(Px(at.left), Px(at.top)),
                 QPoint(Px(at.left + at.width) - 1, Px(at.top + at.height) - 1));
}

QObject* Create(const ElementRow& row, int k, QWidget* parent) {
    const int index = row.index < 0 ? -1 : row.index + k;
    const Place at = PlaceOf(row, k);
    const QFont font = Font(row.small ? kSmallFontPx : kFontPx, row.bold);
    const Rgb back = k < static_cast<int>(row.backs.size()) ? row.backs[k] : row.back;
    QWidget* widget = nullptr;
    switch (row.kind) {
        case Kind::Label: {
            auto* label = new Label(parent, index);
            label->setColors(Color(row.fore), Color(back));
            label->setTransparent(row.transparent);
            label->setBorder(row.border);
            label->setAlignment(AlignmentOf(row.align));
            label->setCaption(QString::fromUtf16(row.caption));
            label->setRole(row.role);
            widget = label;
            break;
        }
        case Kind::Shape: {
            auto* shape = new Shape(parent, index);
            shape->setBackColor(Color(back));
            shape->setBorder(row.border);
            widget = shape;
            break;
        }
        case Kind::Line:
            widget = new Line(parent, index, QPoint(Px(at.left), Px(at.top)),
                              QPoint(Px(at.width), Px(at.height)));
            break;
        case Kind::Image:
            widget = new Image(parent, index);
            break;
        case Kind::Frame: {
            auto* frame = new Frame(parent);
            // Never seen: each page covers its frame with its own background shape.
            frame->setAutoFillBackground(true);
            QPalette palette = frame->palette();
            palette.setColor(QPalette::Window, Color(back));
            frame->setPalette(palette);
            widget = frame;
            break;
        }
        case Kind::ListBox:
            widget = new ListBox(parent, Px(kListRowTwips), font);
            break;
        case Kind::Option: {
            auto* option = new OptionButton(parent, index);
            option->setColors(Color(row.fore), Color(back));
            option->setCaption(QString::fromUtf16(row.caption));
            widget = option;
            break;
        }
        case Kind::Timer: {
            auto* timer = new Timer(parent, index, row.interval);
            timer->setObjectName(ElementName(row.name, index));
            timer->setEnabled(row.enabled);
            return timer;
        }
    }
    widget->setObjectName(ElementName(row.name, index));
    if (row.kind != Kind::Line) {
        widget->setGeometry(PixelRect(at));
    }
    if (font != parent->font()) {
        widget->setFont(font);  // most elements take the window's own font unchanged
    }
    if (widget->testAttribute(Qt::WA_SetFont)) {  // its own font, also the list's
        dynamic_cast<Zoomed&>(*widget).setDesignFont(row.small ? kSmallFontPx : kFontPx, row.bold);
    }
    if (row.toolTip) {
        widget->setToolTip(QString::fromUtf16(row.toolTip));
    }
    if (!row.visible) {
        widget->hide();
    }
    return widget;
}

}  // namespace

Place PlaceOf(const ElementRow& row, int k) {
    return {row.at.left + k * row.stepLeft, row.at.top + k * row.stepTop, row.at.width,
            row.at.height};
}

void BuildLayout(QWidget* window, std::span<const RowGroup> frontToBack, Elements& elements) {
    InstallAccessibility();
    // The window's children first, so the frames exist when their children are made; within
    // each parent back to front, as a later child is drawn above an earlier one.
    for (bool children : {false, true}) {
        for (auto group = frontToBack.rbegin(); group != frontToBack.rend(); ++group) {
            if ((group->frame != nullptr) != children) {
                continue;
            }
            QWidget* parent = children ? elements.require<Frame>(group->frame) : window;
            for (auto row = group->rows.rbegin(); row != group->rows.rend(); ++row) {
                for (int k = row->count - 1; k >= 0; --k) {
                    elements.add(Create(*row, k, parent));
                }
            }
        }
    }
}

void ApplyZoom(Elements& elements, int zoom) {
    const int from = elements.zoom();
    if (zoom == from) {
        return;
    }
    elements.forEach([from, zoom](QObject* element) {
        auto* widget = qobject_cast<QWidget*>(element);
        auto* zoomed = dynamic_cast<Zoomed*>(element);
        if (!widget || !zoomed) {
            return;  // a timer
        }
        // Every place is `from` times its 1x rectangle (the builder's and the handlers'
        // moves keep it so), so dividing first is exact.
        const QRect r = widget->geometry();
        widget->setGeometry(r.x() / from * zoom, r.y() / from * zoom, r.width() / from * zoom,
                            r.height() / from * zoom);
        if (zoomed->fontPx() != 0) {
            widget->setFont(Font(zoomed->fontPx(), zoomed->bold(), zoom));
        }
        zoomed->setZoom(zoom);
    });
    elements.setZoom(zoom);
}

}  // namespace zentaloger::toolkit

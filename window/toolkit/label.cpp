#include "window/toolkit/toolkit.h"

#include <QAccessible>
#include <QPaintEvent>
#include <QPainter>

#include "window/toolkit/bitmap.h"
#include "window/toolkit/oneline.h"
#include "window/toolkit/painting.h"

namespace zentaloger::toolkit {

Label::Label(QWidget* parent, int index) : MouseElement(parent, index) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void Label::setCaption(const QString& caption) {
    if (caption == caption_) {
        return;
    }
    caption_ = caption;
    TellReader(this, QAccessible::NameChanged);
    update();
}

void Label::setChosen(bool chosen, Colours unchosen) {
    setColors(chosen ? kSelection : unchosen);
    if (chosen == chosen_) {
        return;
    }
    chosen_ = chosen;
    // A reader hears a radio button checked, a tab or an entry selected.
    TellReader(this,
               role() == Role::RadioButton ? QAccessible::StateChanged : QAccessible::Selection);
}

void Label::setBackColor(QColor color) {
    if (color != back_) {
        back_ = color;
        update();
    }
}

void Label::setColors(QColor fore, QColor back) {
    if (fore != fore_ || back != back_) {
        fore_ = fore;
        back_ = back;
        update();
    }
}

void Label::setTransparent(bool transparent) {
    transparent_ = transparent;
    update();
}

void Label::setBorder(bool border) {
    border_ = border;
    update();
}

void Label::setAlignment(Qt::Alignment alignment) {
    alignment_ = alignment;
    update();
}

QRect Label::textRect() const {
    const int b = border_ ? zoom() : 0;
    return rect().adjusted(b, b + kAccentRoom * zoom(), -b, -b);
}

void Label::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!transparent_) {
        painter.fillRect(rect(), back_);
    }
    if (!caption_.isEmpty()) {
        painter.setFont(font());
        painter.setPen(fore_);
        const QRect box = textRect();
        if (!DrawOneLine(painter, box, alignment_, caption_, font())) {
            painter.drawText(box, int(alignment_ | Qt::AlignTop) | kTextFlags, caption_);
        }
    }
    if (border_) {
        DrawBorder(painter, rect(), zoom());
    }
}

Shape::Shape(QWidget* parent, int index) : QWidget(parent), index_(index) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // It fills its whole rectangle, so nothing behind it needs painting when it changes.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Shape::setBackColor(QColor color) {
    if (color != back_) {
        back_ = color;
        update();
    }
}

void Shape::setBorder(bool border) {
    border_ = border;
    update();
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), back_);
    if (border_) {
        DrawBorder(painter, rect(), zoom());
    }
}

Line::Line(QWidget* parent, int index, QPoint from, QPoint to) : QWidget(parent), index_(index) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const QRect box = QRect(from, to).normalized();
    setGeometry(box.x(), box.y(), box.width() + 1, box.height() + 1);
    from_ = from - box.topLeft();
    to_ = to - box.topLeft();
}

void Line::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const auto draw = [this](QPainter& on) {
        // Pixel centres, so the line covers the same layout pixels at every scale factor.
        on.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::SquareCap));
        on.drawLine(QPointF(from_) + QPointF(0.5, 0.5), QPointF(to_) + QPointF(0.5, 0.5));
    };
    if (zoom() == 1) {
        draw(painter);
        return;
    }
    // Drawn at 1x and each pixel made a zoom x zoom block, so a slanting line (the close
    // box's cross) has the same steps as at 1x, only larger.
    QImage line(size() / zoom(), QImage::Format_ARGB32_Premultiplied);
    line.fill(Qt::transparent);
    QPainter onLine(&line);
    draw(onLine);
    onLine.end();
    painter.drawImage(rect(), line);
}

Image::Image(QWidget* parent, int index) : MouseElement(parent, index) {}

bool Image::setPicture(int number) {
    if (number == number_ && !picture_.isNull()) {
        return true;
    }
    QPixmap picture = EmbeddedPixmap(number);
    if (picture.isNull()) {
        clearPicture();
        return false;
    }
    source_ = std::move(picture);
    number_ = number;
    Scale();
    return true;
}

void Image::clearPicture() {
    source_ = QPixmap();
    number_ = 0;
    Scale();
}

void Image::setZoom(int zoom) {
    Zoomed::setZoom(zoom);
    Scale();
}

void Image::Scale() {
    // Scaled once here rather than through the painter on every paint: a held key repaints
    // the card's picture every step, and a plain copy is the cheapest paint there is.
    picture_ = zoom() == 1 || source_.isNull()
                   ? source_
                   : source_.scaled(source_.size() * zoom(), Qt::IgnoreAspectRatio,
                                    Qt::FastTransformation);
    MarkOpaqueIfCovered();
    update();
}

void Image::MarkOpaqueIfCovered() {
    // A picture that covers the whole element hides what lies behind it, which then need not
    // be painted first: for the card's picture, a fill of the whole picture area every step.
    const QSizeF picture = picture_.deviceIndependentSize();
    setAttribute(Qt::WA_OpaquePaintEvent,
                 !picture_.isNull() && picture.width() >= width() && picture.height() >= height());
}

void Image::resizeEvent(QResizeEvent*) {
    MarkOpaqueIfCovered();
}

void Image::paintEvent(QPaintEvent* event) {
    if (picture_.isNull()) {
        return;
    }
    QPainter painter(this);
    // At a scale factor above 1 each picture pixel becomes a block, never a blur.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    // One plain copy per rectangle of the region. Where other elements cover part of the
    // picture (the edition marks on the card's), the region is not one rectangle, and Qt
    // then blends the picture line by line on its worker threads and waits for them: waking
    // them cost more than the rest of a step.
    for (const QRect& part : event->region()) {
        painter.setClipRect(part);
        painter.drawPixmap(QPoint(0, 0), picture_);
    }
}

}  // namespace zentaloger::toolkit

#include "window/toolkit/toolkit.h"

#include <QFontDatabase>
#include <QMouseEvent>
#include <QPainter>

#include "window/toolkit/painting.h"

namespace zentaloger::toolkit {

namespace {

bool g_registered = false;

}  // namespace

void RegisterEmbeddedFonts() {
    if (g_registered) {
        return;
    }
    g_registered = true;
    for (const char* file : {":/FONT/ZentalogerPixel-9.ttf", ":/FONT/ZentalogerPixel-9-Bold.ttf",
                             ":/FONT/ZentalogerPixel-7.ttf", ":/FONT/ZentalogerPixel-7-Bold.ttf"}) {
        QFontDatabase::addApplicationFont(QString::fromLatin1(file));
    }
}

QFont Font(int pixelSize, bool bold, int zoom) {
    RegisterEmbeddedFonts();
    // The window's text is drawn in faces of our own, pixel by pixel, one for each size it
    // uses: the small face for the small text, the main face for everything else. Each is
    // drawn exactly at its design size, and at a whole multiple of it each pixel becomes a
    // square block.
    const int design = pixelSize <= kSmallFontPx ? kSmallFontPx : kFontPx;
    QFont font(QStringLiteral("Zentaloger Pixel %1").arg(design));
    font.setPixelSize(pixelSize * zoom);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    // No smoothing: the edges lie on the pixel grid, and anti-aliasing could only blur them.
    // A character the face lacks shows as an empty box, not as another font's glyph.
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoFontMerging));
    // Monochrome glyphs are drawn hinted whatever the preference; the faces carry a font
    // program and no glyph instructions, so hinting leaves every point where it is drawn
    // rather than letting an autohinter move stems, and advances are whole pixels.
    font.setHintingPreference(QFont::PreferFullHinting);
    // Kerning pulls pairs such as PA a pixel closer, and at this size their ink then touches.
    font.setKerning(false);
    return font;
}

int ButtonOf(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? kLeftButton : 0) |
           (buttons & Qt::RightButton ? kRightButton : 0) |
           (buttons & Qt::MiddleButton ? kMiddleButton : 0);
}

int ShiftOf(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

int KeyCodeOf(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Backspace:
            return keys::kBackspace;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:  // Shift+Tab
            return keys::kTab;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return keys::kReturn;
        case Qt::Key_Escape:
            return keys::kEscape;
        case Qt::Key_Space:
            return keys::kSpace;
        case Qt::Key_PageUp:
            return keys::kPageUp;
        case Qt::Key_PageDown:
            return keys::kPageDown;
        case Qt::Key_End:
            return keys::kEnd;
        case Qt::Key_Home:
            return keys::kHome;
        case Qt::Key_Left:
            return keys::kLeft;
        case Qt::Key_Up:
            return keys::kUp;
        case Qt::Key_Right:
            return keys::kRight;
        case Qt::Key_Down:
            return keys::kDown;
        case Qt::Key_Delete:
            return keys::kDelete;
        default:
            break;
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) {
        return keys::kF1 + (qtKey - Qt::Key_F1);
    }
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)) {
        return qtKey;  // Qt and the virtual key codes agree here
    }
    return 0;
}

QPoint TwipsOf(const QMouseEvent* event, int zoom) {
    const QPointF p = event->position() * kTwipsPerPixel / zoom;
    return {qRound(p.x()), qRound(p.y())};
}

void DrawBorder(QPainter& painter, const QRect& r, int zoom) {
    painter.fillRect(r.x(), r.y(), r.width(), zoom, Qt::black);
    painter.fillRect(r.x(), r.bottom() + 1 - zoom, r.width(), zoom, Qt::black);
    painter.fillRect(r.x(), r.y(), zoom, r.height(), Qt::black);
    painter.fillRect(r.right() + 1 - zoom, r.y(), zoom, r.height(), Qt::black);
}

}  // namespace zentaloger::toolkit

#include "window/toolkit/toolkit.h"

#include <QFontDatabase>
#include <QMouseEvent>
#include <QPainter>

#include "window/toolkit/painting.h"

namespace zentaloger::toolkit {

namespace {

QString g_family;

}  // namespace

void RegisterEmbeddedFonts() {
    if (!g_family.isEmpty()) {
        return;
    }
    for (const char* file : {":/FONT/DejaVuSansCondensed.ttf",
                             ":/FONT/DejaVuSansCondensed-Bold.ttf", ":/FONT/DejaVuSans.ttf"}) {
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(file));
        if (id >= 0 && g_family.isEmpty()) {
            g_family = QFontDatabase::applicationFontFamilies(id).value(0);
        }
    }
    if (g_family.isEmpty()) {
        // Only a build without the font resource gets here; any sans font then serves.
        g_family = QStringLiteral("Sans Serif");
    }
}

QFont Font(int pixelSize, bool bold, int zoom) {
    RegisterEmbeddedFonts();
    QFont font(g_family);
    font.setPixelSize(pixelSize * zoom);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    // The condensed faces at the normal size, where the normal faces, fully hinted, are too
    // wide for the longest list labels; the normal face at the small size, where condensed
    // strokes run together (an N reads as an H).
    font.setStretch(pixelSize >= kFontPx ? QFont::SemiCondensed : QFont::Unstretched);
    // Crisp pixel text, as at this size anti-aliasing only blurs the strokes.
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoFontMerging));
    // Monochrome glyphs are always drawn fully hinted; with any other hinting Qt spaces them
    // by their unhinted advances, so a W drawn 7 px wide moves the pen 8.9 px and the next
    // letter stands apart. Full hinting takes shapes and spacing from the same grid, and it
    // does not depend on the desktop's hinting setting.
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

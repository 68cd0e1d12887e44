#include "window/form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QStyleFactory>
#include <QTimer>
#include <QToolTip>
#include <QWheelEvent>
#include <QWindow>
#include <algorithm>
#include <cmath>

#include "browse/listrules.h"
#include "browse/thumb.h"
#include "browse/windowrules.h"
#include "database/pictures.h"
#include "window/toolkit/bitmap.h"
#include "window/typefind.h"
#include "window/windowlayout.h"

namespace zentaloger {

using toolkit::Label;
using toolkit::OptionButton;

Form::Form(const Database& db, ViewState& view, toolkit::Pages& pages)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), db_(db), view_(view), pages_(pages) {
    setObjectName(QStringLiteral("ZENTALOG"));
    setWindowTitle(QStringLiteral("Zentaloger"));
    setAccessibleName(QStringLiteral("Zentaloger"));
    setFixedSize(WindowSize(1));
    FixLook();
    setFont(toolkit::Font(toolkit::kFontPx, false));

    // The pages' entries and marks lie over the card's picture, behind the window's controls.
    std::vector<toolkit::RowGroup> rows{{nullptr, WindowControlRows()}};
    for (const toolkit::RowGroup& group : pages_.rows()) {
        if (!group.frame) {
            rows.push_back(group);
        }
    }
    rows.push_back({nullptr, WindowCardRows()});
    for (const toolkit::RowGroup& group : pages_.rows()) {
        if (group.frame) {
            rows.push_back(group);
        }
    }
    toolkit::BuildLayout(this, rows, elements_);
    list_ = element<toolkit::ListBox>(kSpeciesList);
    name_ = element<Label>(kSpeciesName);
    type_ = element<Label>(kSpeciesType);
    height_ = element<Label>(kSpeciesHeight);
    weight_ = element<Label>(kSpeciesWeight);
    scroller_ = element<Label>(kScrollThumb);
    picture_ = element<toolkit::Image>(kSpeciesPicture);
    logo_ = element<toolkit::Image>(kLogo);
    for (int i = 0; i < kOrderCount; ++i) {
        orders_[i] = element<OptionButton>(kOrders, i);
        connect(orders_[i], &OptionButton::click, this, &Form::optMODE_Click);
    }
    for (int i = 0; i < kLanguageCount; ++i) {
        languages_[i] = element<Label>(kLanguages, i);
        connect(languages_[i], &Label::click, this, &Form::lblLANG_Click);
    }
    // A screen reader hears the list by its name, the card's picture as the species on the
    // card and the logo as the program's name.
    list_->setAccessibleName(QStringLiteral("Species"));
    picture_->setSpokenValue([this] { return name_->caption(); });
    logo_->setSpokenValue([] { return QStringLiteral("Zentaloger"); });
    captions_.bind(elements_, WindowCaptions());
    captions_.bind(elements_, pages_.captions());
    pages_.attach({.elements = elements_,
                   .list = list_,
                   .shownSpecies = [this] { return SpeciesNumberOfLabel(name_->caption()); },
                   .refillList = [this] { RefillList(false); }});

    // A fixed style for the list's frame, whatever the desktop's style is.
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"))) {
        style->setParent(list_);
        list_->setStyle(style);
    }
    connect(list_, &toolkit::ListBox::click, this, &Form::lstZENTARI_Click);
    // Long enough after a step for its frame to be painted first, well inside the gap of a
    // held key's repeats.
    prepare_.setSingleShot(true);
    prepare_.setInterval(10);
    connect(&prepare_, &QTimer::timeout, this, &Form::PrepareNeighbours);
    connect(element<Label>(kCloseBox), &Label::click, this, &Form::lblEXIT_Click);
    navigation_ = new Navigation(
        this, view_, elements_,
        {.refillList = [this] { RefillList(false); },
         .switchLanguage = [this](Language language) { lblLANG_Click(Index(language)); },
         .stepEntry = [this](int step) { return pages_.stepEntry(step); },
         .stepPage = [this](int step) { pages_.stepPage(step); },
         .exit = [this] { lblEXIT_Click(); },
         .backgroundMove = [this](int button, QPoint global) { BackgroundMove(button, global); }});
    new TypeFind(this, db_, view_, list_, [this] { RefillList(false); });  // after the key table
    // A press on the thumb grabs the window too: a move there that no drag holds moves it.
    connect(scroller_, &Label::mouseDown, this, [this](int, int, int, int x, int y) {
        GrabWindow(scroller_->mapToGlobal(
            QPoint(toolkit::PixelsAt(x, zoom()), toolkit::PixelsAt(y, zoom()))));
    });

    // The large picture moves the window like the background.
    const auto global = [this](int x, int y) {
        return picture_->mapToGlobal(
            QPoint(toolkit::PixelsAt(x, zoom()), toolkit::PixelsAt(y, zoom())));
    };
    connect(picture_, &toolkit::Image::mouseDown, this,
            [this, global](int, int, int, int x, int y) { GrabWindow(global(x, y)); });
    connect(picture_, &toolkit::Image::mouseMove, this,
            [this, global](int, int button, int, int x, int y) {
                BackgroundMove(button, global(x, y));
            });
    // The zoom keys are the window's, whichever element has the focus: as shortcuts they are
    // taken before the focused element sees them, so the list and its key table never do.
    // Ctrl with the keypad's + - 0 matches them too.
    for (const auto& [key, step] :
         {std::pair{Qt::Key_Equal, 1}, {Qt::Key_Plus, 1}, {Qt::Key_Minus, -1}, {Qt::Key_0, 0}}) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | key), this);
        connect(shortcut, &QShortcut::activated, this, [this, by = step] { StepZoom(by); });
    }
    Centre();
}

bool Form::StepZoom(int step) {
    return setZoom(step == 0 ? toolkit::kMinZoom
                             : std::clamp(zoom() + step, toolkit::kMinZoom, toolkit::kMaxZoom));
}

bool Form::setZoom(int zoom) {
    if (zoom < toolkit::kMinZoom || zoom > toolkit::kMaxZoom) {
        return false;
    }
    const QSize size = WindowSize(zoom);
    const QScreen* screen = this->screen();
    if (zoom == this->zoom() || (screen && !FitsOn(screen->availableGeometry(), size))) {
        return zoom == this->zoom();
    }
    setFixedSize(size);
    setFont(toolkit::Font(toolkit::kFontPx, false, zoom));
    QToolTip::setFont(toolkit::Font(toolkit::kFontPx, false, zoom));
    toolkit::ApplyZoom(elements_, zoom);
    if (!isVisible()) {
        Centre();
    } else if (screen) {
        move(ResizedPosition(screen->availableGeometry(), pos(), size));
    }
    return true;
}

QSize Form::WindowSize(int zoom) {
    return QSize(toolkit::Px(kWindowWidthTwips), toolkit::Px(kWindowHeightTwips)) * zoom;
}

void Form::FixLook() {
    // One palette for every colour group, so neither a desktop theme nor focus changes a
    // colour: the list is white with black text and a navy selection with white text.
    QPalette palette;
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Window, toolkit::Color(toolkit::kWindowBack));
        palette.setColor(group, QPalette::WindowText, Qt::black);
        palette.setColor(group, QPalette::Base, Qt::white);
        palette.setColor(group, QPalette::Text, Qt::black);
        palette.setColor(group, QPalette::Highlight, toolkit::Color(toolkit::kNavy));
        palette.setColor(group, QPalette::HighlightedText, Qt::white);
        palette.setColor(group, QPalette::ToolTipBase, QColor::fromRgb(0xFFFFE1));
        palette.setColor(group, QPalette::ToolTipText, Qt::black);
    }
    setPalette(palette);
    QToolTip::setPalette(palette);
    QToolTip::setFont(toolkit::Font(toolkit::kFontPx, false));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Form::Centre() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        return;
    }
    move(WindowPosition(screen->availableGeometry(), size()));
}

void Form::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), toolkit::Color(toolkit::kWindowBack));
    if (!iconSet_) {
        // The icon (six sizes to decode) is for the desktop, not for the first frame: it
        // follows right after it.
        iconSet_ = true;
        QTimer::singleShot(0, this, &Form::SetIcon);
    }
}

void Form::SetIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/ICON/%1.png").arg(size), QSize(size, size));
    }
    setWindowIcon(icon);
}

void Form::Load() {
    RefillList(true);
    ShowSpecies();
    pages_.openFirst();
}

void Form::lblLANG_Click(int index) {
    if (index < 0 || index >= kLanguageCount) {
        return;
    }
    pages_.rememberEntries();
    view_ = Relisted(db_, view_, static_cast<Language>(index), view_.listOrder, list_->listIndex());
    RefillList(true);
    ShowSpecies();
    pages_.restoreEntries();
}

void Form::ApplyLanguageCaptions() {
    orders_[Index(view_.listOrder)]->setValue(true);  // raises optMODE_Click
    logo_->setPicture(LogoPicture(view_.language));
    const int chosen = Index(view_.language);
    languages_[chosen]->setChosen(true, toolkit::kIdle);
    languages_[1 - chosen]->setChosen(false, toolkit::kIdle);
    captions_.apply(chosen);
}

void Form::RefillList(bool recaption) {
    list_->clear();
    for (int r = view_.topRow; r <= view_.topRow + kListLines - 1; ++r) {
        list_->addItem(db_.listLabel[r - 1][view_.language][view_.listOrder].toString());
    }
    const int selectedNumber = SpeciesNumberAtRow(db_, view_, view_.selectedRow);
    for (int p = 0; p < kListLines; ++p) {
        if (SpeciesNumberOfLabel(list_->list(p)) == selectedNumber) {
            list_->setSelected(p);  // raises lstZENTARI_Click before it returns
            break;
        }
    }
    scroller_->setTop(static_cast<int>(std::lround(ThumbTop(view_.topRow))));
    if (list_->isVisibleTo(this)) {
        list_->setFocus();
    }
    if (recaption) {
        ApplyLanguageCaptions();
        if (list_->isVisibleTo(this)) {
            list_->setFocus();
        }
    }
}

void Form::optMODE_Click(int index) {
    if (index < 0 || index >= kOrderCount) {
        return;
    }
    view_ = Relisted(db_, view_, view_.language, static_cast<Order>(index), list_->listIndex());
    RefillList(false);
}

void Form::lstZENTARI_Click() {
    const int line = list_->listIndex();
    if (line < 0) {
        return;  // no line chosen: nothing to show
    }
    const int number = SpeciesNumberOfLabel(list_->list(line));
    const int i = FindRowOfSpecies(db_, view_.language, view_.listOrder, number);
    if (i < 0) {
        return;
    }
    view_.selectedRow = i + 1;
    if (name_->caption() != db_.listLabel[i][view_.language][view_.listOrder]) {
        ShowSpecies();
    }
}

void Form::ShowSpecies() {
    const Text label = db_.listLabel[view_.selectedRow - 1][view_.language][view_.listOrder];
    name_->setCaption(label.toString());
    const int number = SpeciesNumberOfLabel(label);
    const SpeciesRecord& species = db_.species[number - 1];
    const Language language = view_.language;
    type_->setCaption(species.typeLabel[language].toString());
    height_->setCaption(species.heightLabel[language].toString());
    weight_->setCaption(species.weightLabel[language].toString());
    picture_->setPicture(LargePicture(number));
    pages_.refresh(number);
    prepare_.start();
}

void Form::PrepareNeighbours() {
    // Up first: the picture just left is usually still stored, and Down is the likelier next.
    for (int row : {view_.selectedRow - 1, view_.selectedRow + 1}) {
        if (row >= 1 && row <= kSpeciesCount) {
            toolkit::PreparePicture(LargePicture(SpeciesNumberAtRow(db_, view_, row)));
        }
    }
}

void Form::lblEXIT_Click() {
    emit exitRequested();
}

void Form::mousePressEvent(QMouseEvent* event) {
    GrabWindow(event->globalPosition().toPoint());
    event->accept();
}

void Form::mouseMoveEvent(QMouseEvent* event) {
    const double y = event->position().y() * toolkit::kTwipsPerPixel / zoom();
    const int button = toolkit::ButtonOf(event->buttons());
    if (!navigation_->BackgroundMouseMove(button, y)) {
        BackgroundMove(button, event->globalPosition().toPoint());
    }
    event->accept();
}

void Form::wheelEvent(QWheelEvent* event) {
    // Here come the wheel turns over every element but the list, whose turns the wheel
    // capture takes whatever the modifiers. Small steps add up to a notch, as there.
    if (!(event->modifiers() & Qt::ControlModifier)) {
        zoomWheel_ = 0;
        event->ignore();
        return;
    }
    const int steps = NotchesOfWheel(zoomWheel_, event->angleDelta().y());
    for (int i = std::abs(steps); i > 0; --i) {
        StepZoom(steps > 0 ? 1 : -1);
    }
    event->accept();
}

void Form::BackgroundMove(int button, QPoint global) {
    if (button == toolkit::kLeftButton) {
        DragWindow(global);
    }
}

void Form::closeEvent(QCloseEvent* event) {
    // A window manager's close ends the program like the close box.
    emit exitRequested();
    event->accept();
}

void Form::GrabWindow(QPoint global) {
    dragging_ = false;
    grabPointer_ = global;
    grabWindow_ = pos();
}

void Form::DragWindow(QPoint global) {
    if (!dragging_) {
        dragging_ = true;
        // With a window manager it moves the window itself and keeps the pointer until the
        // button is released; without one the window follows the pointer from here.
        systemMove_ = windowHandle() && windowHandle()->startSystemMove();
        if (systemMove_) {
            return;
        }
    }
    // A window manager that took the move has moved the window by now; one that claimed the
    // move and did nothing leaves it where it was, and then the pointer moves it.
    if (systemMove_ && pos() != grabWindow_) {
        return;
    }
    systemMove_ = false;
    move(grabWindow_ + (global - grabPointer_));
}

}  // namespace zentaloger

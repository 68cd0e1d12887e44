#include "layout.h"

#include <vector>

namespace zentaloger {

namespace {

using K = ElementKind;

// The credits line: ours, one line.
constexpr const char16_t* kCredits = u"ZENTALOGER  -  A FIELD GUIDE TO ALL 251 ZENTARI  -  2026";

// The window's own elements, front to back. The wheel capture control has no appearance and
// is no element here.
const ElementSpec kWindowElements[] = {
    {.kind = K::ListBox, .name = "lstZENTARI", .left = 3960, .top = 525, .width = 1575, .height = 2670},
    {.kind = K::Timer, .name = "tDOWN", .firstIndex = 0, .count = 2, .interval = 100},
    {.kind = K::Option, .name = "optMODE", .firstIndex = 0, .count = 3, .left = 4050, .top = 3465,
     .width = 1455, .height = 195, .stepTop = 180, .back = kOrange, .small = true,
     .caption = u"ORDER"},
    {.kind = K::Timer, .name = "tUP", .firstIndex = 0, .count = 2, .interval = 100},
    // Only the statistics page shows before the first page switch; the others wait hidden.
    {.kind = K::Frame, .name = "fraSTATISTICS", .left = 120, .top = 3360, .width = 3735, .height = 1155, .back = kYellow},
    {.kind = K::Frame, .name = "fraDESCRIPTION", .left = 120, .top = 3360, .width = 3735, .height = 1155, .back = kYellow, .visible = false},
    {.kind = K::Frame, .name = "fraEVOLUTION", .left = 120, .top = 3360, .width = 3735, .height = 1155, .back = kYellow, .visible = false},
    {.kind = K::Frame, .name = "fraMOVES", .left = 120, .top = 3360, .width = 3735, .height = 1155, .back = kYellow, .visible = false},
    {.kind = K::Frame, .name = "fraTM", .left = 120, .top = 3360, .width = 3735, .height = 1155, .back = kYellow, .visible = false},
    {.kind = K::Frame, .name = "fraHM", .left = 120, .top = 3360, .width = 3735, .height = 1155, .back = kYellow, .visible = false},
    {.kind = K::Label, .name = "lblSCROLLER", .left = 5520, .top = 3030, .width = 90, .height = 165,
     .back = kYellow, .border = true},
    // The page lists lie over the picture and show only with their page.
    {.kind = K::Label, .name = "lblHM_HM", .firstIndex = 0, .count = 7, .left = 1665, .top = 480,
     .width = 645, .height = 195, .stepTop = 330, .back = kYellow, .border = true,
     .align = Align::Centre, .caption = u"HM", .visible = false},
    {.kind = K::Label, .name = "lblTM_TM", .firstIndex = 0, .count = 12, .left = 420, .top = 480,
     .width = 645, .height = 195, .stepTop = 180, .back = kYellow, .border = true,
     .align = Align::Centre, .caption = u"TM", .visible = false},
    {.kind = K::Label, .name = "lblTM_TM", .firstIndex = 12, .count = 12, .left = 1245, .top = 480,
     .width = 645, .height = 195, .stepTop = 180, .back = kYellow, .border = true,
     .align = Align::Centre, .caption = u"TM", .visible = false},
    {.kind = K::Label, .name = "lblTM_TM", .firstIndex = 24, .count = 13, .left = 2085, .top = 480,
     .width = 645, .height = 195, .stepTop = 180, .back = kYellow, .border = true,
     .align = Align::Centre, .caption = u"TM", .visible = false},
    {.kind = K::Label, .name = "lblTM_TM", .firstIndex = 37, .count = 13, .left = 2910, .top = 480,
     .width = 645, .height = 195, .stepTop = 180, .back = kYellow, .border = true,
     .align = Align::Centre, .caption = u"TM", .visible = false},
    {.kind = K::Label, .name = "lblDOWN", .left = 3960, .top = 3180, .width = 1575, .height = 195,
     .back = kYellow, .border = true, .align = Align::Centre, .bold = true, .caption = u"DOWN"},
    {.kind = K::Label, .name = "lblUP", .left = 3960, .top = 345, .width = 1575, .height = 195,
     .back = kYellow, .border = true, .align = Align::Centre, .bold = true, .caption = u"UP"},
    {.kind = K::Label, .name = "lblMOVES_LEVEL", .firstIndex = 0, .count = 12, .left = 870, .top = 480,
     .width = 330, .height = 195, .stepTop = 180, .back = kYellow, .border = true,
     .align = Align::Centre, .caption = u"LVL", .visible = false},
    {.kind = K::Label, .name = "lblMOVES_MOVE", .firstIndex = 0, .count = 12, .left = 1245, .top = 480,
     .width = 1875, .height = 195, .stepTop = 180, .back = kYellow, .border = true,
     .align = Align::Centre, .caption = u"MOVE", .visible = false},
    {.kind = K::Label, .name = "lblEVOLUTION_EVOLUTION", .firstIndex = 0, .count = 5, .left = 420,
     .top = 480, .width = 3135, .height = 195, .stepTop = 360, .back = kYellow, .border = true,
     .align = Align::Centre, .caption = u"EVOLUTION   --->   EVOLUTION", .visible = false},
    {.kind = K::Label, .name = "lblNAME", .left = 210, .top = 135, .width = 1875, .height = 195,
     .transparent = true, .bold = true, .caption = u"LVL - ZENTARI"},
    {.kind = K::Shape, .name = "shpNAME", .left = 120, .top = 120, .width = 1875, .height = 195,
     .back = kOrange, .border = true},
    {.kind = K::Label, .name = "lblHEIGHT", .left = 210, .top = 2835, .width = 1875, .height = 195,
     .transparent = true, .caption = u"HEIGHT:"},
    {.kind = K::Shape, .name = "shpHEIGHT", .left = 120, .top = 2820, .width = 1875, .height = 195,
     .back = kLightYellow, .border = true},
    {.kind = K::Label, .name = "lblHM", .left = 1980, .top = 4860, .width = 1875, .height = 195,
     .fore = kGrey, .back = kMaroon, .border = true, .align = Align::Centre, .bold = true, .caption = u"HM"},
    {.kind = K::Label, .name = "lblEVOLUTION", .left = 120, .top = 4680, .width = 1875, .height = 195,
     .fore = kGrey, .back = kMaroon, .border = true, .align = Align::Centre, .bold = true,
     .caption = u"EVOLUTION"},
    {.kind = K::Label, .name = "lblCOPYRIGHT", .left = 30, .top = 5055, .width = 5565, .height = 195,
     .fore = kMaroon, .transparent = true, .align = Align::Centre, .caption = kCredits},
    {.kind = K::Label, .name = "lblTM", .left = 120, .top = 4860, .width = 1875, .height = 195,
     .fore = kGrey, .back = kMaroon, .border = true, .align = Align::Centre, .bold = true, .caption = u"TM"},
    {.kind = K::Label, .name = "lblMOVES", .left = 1980, .top = 4680, .width = 1875, .height = 195,
     .fore = kGrey, .back = kMaroon, .border = true, .align = Align::Centre, .bold = true,
     .caption = u"MOVES"},
    {.kind = K::Label, .name = "lblSTATISTICS", .left = 120, .top = 4500, .width = 1875, .height = 195,
     .fore = kBlack, .back = kYellow, .border = true, .align = Align::Centre, .bold = true,
     .caption = u"STATISTICS"},
    {.kind = K::Label, .name = "lblDESCRIPTION", .left = 1980, .top = 4500, .width = 1875, .height = 195,
     .fore = kGrey, .back = kMaroon, .border = true, .align = Align::Centre, .bold = true,
     .caption = u"DESCRIPTION"},
    {.kind = K::Label, .name = "lblTYPE", .left = 120, .top = 3180, .width = 3735, .height = 195,
     .back = kOrange, .border = true, .align = Align::Centre, .bold = true, .caption = u"TYPE:"},
    {.kind = K::Line, .name = "lEXIT", .firstIndex = 0, .left = 5400, .top = 240, .width = 5520, .height = 120},
    {.kind = K::Line, .name = "lEXIT", .firstIndex = 1, .left = 5400, .top = 120, .width = 5520, .height = 240},
    {.kind = K::Label, .name = "lblEXIT", .left = 5400, .top = 120, .width = 135, .height = 135,
     .back = kWhite, .border = true, .toolTip = "Close"},
    {.kind = K::Label, .name = "lblMODE", .left = 3960, .top = 4080, .width = 1575, .height = 195,
     .back = kOrange, .border = true, .align = Align::Centre, .bold = true, .caption = u"ORDER"},
    {.kind = K::Label, .name = "lblLANG", .firstIndex = 1, .left = 3960, .top = 120, .width = 615,
     .height = 135, .fore = kBlack, .back = kYellow, .align = Align::Centre, .small = true,
     .caption = u"ENGLISH"},
    {.kind = K::Label, .name = "lblLANG", .firstIndex = 0, .left = 4680, .top = 120, .width = 615,
     .height = 135, .fore = kGrey, .back = kMaroon, .align = Align::Centre, .small = true,
     .caption = u"РУССКИЙ"},
    {.kind = K::Shape, .name = "shpORDER", .left = 3960, .top = 3360, .width = 1575, .height = 735,
     .back = kOrange, .border = true},
    {.kind = K::Image, .name = "imgLOGO", .left = 3960, .top = 4372, .width = 1575, .height = 570},
    {.kind = K::Label, .name = "lblVERSION", .firstIndex = 0, .left = 2400, .top = 3000, .width = 135, .height = 135, .back = kYellow, .border = true, .align = Align::Centre, .small = true},
    {.kind = K::Label, .name = "lblVERSION", .firstIndex = 1, .left = 2640, .top = 3000, .width = 135, .height = 135, .back = 0xFF0000, .border = true, .align = Align::Centre, .small = true},
    {.kind = K::Label, .name = "lblVERSION", .firstIndex = 2, .left = 2880, .top = 3000, .width = 135, .height = 135, .back = 0x0000FF, .border = true, .align = Align::Centre, .small = true},
    {.kind = K::Label, .name = "lblVERSION", .firstIndex = 3, .left = 3120, .top = 3000, .width = 135, .height = 135, .back = kOrange, .border = true, .align = Align::Centre, .small = true},
    {.kind = K::Label, .name = "lblVERSION", .firstIndex = 4, .left = 3360, .top = 3000, .width = 135, .height = 135, .back = kGrey, .border = true, .align = Align::Centre, .small = true},
    {.kind = K::Label, .name = "lblVERSION", .firstIndex = 5, .left = 3600, .top = 3000, .width = 135, .height = 135, .back = kWhite, .border = true, .align = Align::Centre, .small = true},
    {.kind = K::Label, .name = "lblWEIGHT", .left = 210, .top = 3015, .width = 1875, .height = 195,
     .transparent = true, .caption = u"WEIGHT:"},
    {.kind = K::Shape, .name = "shpWEIGHT", .left = 120, .top = 3000, .width = 1875, .height = 195,
     .back = kLightYellow, .border = true},
    {.kind = K::Image, .name = "imgZENTARI", .left = 150, .top = 187, .width = 3675, .height = 2940},
    {.kind = K::Shape, .name = "shpZENTARI", .left = 120, .top = 120, .width = 3735, .height = 3075,
     .back = kWhite, .border = true},
};

// The statistics page: six rows of a caption and three bar segments.
struct StatisticsRow {
    const char* label;
    const char* bar;
    int labelTop, barTop;
    const char16_t* caption;
};
const StatisticsRow kStatisticsRows[] = {
    {"lblSTATISTICS_HITPOINTS", "shpSTATISTICS_HITPOINTS", 30, 60, u"HIT   POINTS   (HP)"},
    {"lblSTATISTICS_ATTACK", "shpSTATISTICS_ATTACK", 210, 240, u"ATTACK"},
    {"lblSTATISTICS_DEFENCE", "shpSTATISTICS_DEFENCE", 390, 420, u"DEFENCE"},
    {"lblSTATISTICS_SPECIALATTACK", "shpSTATISTICS_SPECIALATTACK", 570, 600, u"SPECIAL   ATTACK"},
    {"lblSTATISTICS_SPECIALDEFENCE", "shpSTATISTICS_SPECIALDEFENCE", 750, 780, u"SPECIAL   DEFENCE"},
    {"lblSTATISTICS_SPEED", "shpSTATISTICS_SPEED", 930, 960, u"SPEED"},
};
constexpr unsigned kBarColours[] = {kGreen, kMidGreen, kDarkGreen};

// The move panel, identical in the level-move, TM and HM pages: one row per element with its
// name in each of the three frames.
struct PanelRow {
    ElementKind kind;
    const char* names[3];
    int firstIndex;
    int left, top, width, height;
    unsigned back;
    bool transparent, border;
    Align align;
    const char16_t* caption;
};
const char* const kPanelFrames[3] = {"fraMOVES", "fraTM", "fraHM"};
const PanelRow kPanelRows[] = {
    {K::Shape, {"shpMOVES_Null", "shpTM_Null", "shpHM_Null"}, -1, 0, 0, 3735, 1155, kWhite, false, true, Align::Left, u""},
    {K::Label, {"lblMOVES_TYPE", "lblTM_TYPE", "lblHM_Type"}, -1, 1950, 30, 1875, 195, kWhite, true, false, Align::Left, u"TYPE:"},
    {K::Label, {"lblMOVES_TITLE", "lblTM_TITLE", "lblHM_Title"}, -1, 0, 15, 1875, 195, kWhite, true, false, Align::Centre, u"MOVE"},
    {K::Label, {"lblMOVES_POWER", "lblTM_POWER", "lblHM_POWER"}, 0, 90, 210, 2145, 195, kWhite, true, false, Align::Left, u"POWER"},
    {K::Label, {"lblMOVES_POWER", "lblTM_POWER", "lblHM_POWER"}, 1, 1410, 210, 360, 195, kWhite, true, false, Align::Right, u"0"},
    {K::Label, {"lblMOVES_ACCURACY", "lblTM_ACCURACY", "lblHM_ACCURACY"}, 0, 90, 390, 2145, 195, kWhite, true, false, Align::Left, u"ACCURACY"},
    {K::Label, {"lblMOVES_ACCURACY", "lblTM_ACCURACY", "lblHM_ACCURACY"}, 1, 1860, 390, 360, 195, kWhite, true, false, Align::Right, u"0"},
    {K::Label, {"lblMOVES_PP", "lblTM_PP", "lblHM_PP"}, 0, 90, 570, 2145, 195, kWhite, true, false, Align::Left, u"POWER   POINTS   (PP)"},
    {K::Label, {"lblMOVES_PP", "lblTM_PP", "lblHM_PP"}, 1, 1860, 570, 360, 195, kWhite, true, false, Align::Right, u"0"},
    {K::Shape, {"shpMOVES_POWER", "shpTM_POWER", "shpHM_POWER"}, 0, 2310, 240, 435, 135, kGreen, false, false, Align::Left, u""},
    {K::Shape, {"shpMOVES_POWER", "shpTM_POWER", "shpHM_POWER"}, 1, 2760, 240, 435, 135, kMidGreen, false, false, Align::Left, u""},
    {K::Shape, {"shpMOVES_POWER", "shpTM_POWER", "shpHM_POWER"}, 2, 3210, 240, 435, 135, kDarkGreen, false, false, Align::Left, u""},
    {K::Shape, {"shpMOVES_POWER", "shpTM_POWER", "shpHM_POWER"}, 3, 1860, 240, 435, 135, kOrange, false, false, Align::Left, u""},
    {K::Shape, {"shpMOVES_ACCURACY", "shpTM_ACCURACY", "shpHM_ACCURACY"}, 0, 2310, 420, 435, 135, kGreen, false, false, Align::Left, u""},
    {K::Shape, {"shpMOVES_ACCURACY", "shpTM_ACCURACY", "shpHM_ACCURACY"}, 1, 2760, 420, 435, 135, kMidGreen, false, false, Align::Left, u""},
    {K::Shape, {"shpMOVES_ACCURACY", "shpTM_ACCURACY", "shpHM_ACCURACY"}, 2, 3210, 420, 435, 135, kDarkGreen, false, false, Align::Left, u""},
    {K::Shape, {"shpMOVES_PP", "shpTM_PP", "shpHM_PP"}, 0, 2310, 600, 435, 135, kGreen, false, false, Align::Left, u""},
    {K::Shape, {"shpMOVES_PP", "shpTM_PP", "shpHM_PP"}, 1, 2760, 600, 435, 135, kMidGreen, false, false, Align::Left, u""},
    {K::Shape, {"shpMOVES_PP", "shpTM_PP", "shpHM_PP"}, 2, 3210, 600, 435, 135, kDarkGreen, false, false, Align::Left, u""},
    {K::Label, {"lblMOVES_DESCRIPTION", "lblTM_Description", "lblHM_Description"}, -1, 90, 780, 3555, 345, kWhite, false, false, Align::Left, u""},
    {K::Shape, {"shpMOVES_TITLE", "shpTM_TITLE", "shpHM_Title"}, -1, 0, 0, 1875, 195, kLightYellow, false, true, Align::Left, u""},
    {K::Shape, {"shpMOVES_DESCRIPTION", "shpTM_Description", "shpHM_Description"}, -1, 0, 750, 3735, 405, kWhite, false, true, Align::Left, u""},
    {K::Shape, {"shpMOVES", "shpTM", "shpHM"}, -1, 0, 0, 3735, 1155, kWhite, false, true, Align::Left, u""},
};

std::vector<ElementSpec> MakeTable() {
    std::vector<ElementSpec> table(std::begin(kWindowElements), std::end(kWindowElements));

    for (const StatisticsRow& row : kStatisticsRows) {
        table.push_back({.kind = K::Label, .name = row.label, .parent = "fraSTATISTICS",
                         .left = 90, .top = row.labelTop, .width = 2145, .height = 195,
                         .transparent = true, .caption = row.caption});
        for (int i = 0; i < 3; ++i) {
            table.push_back({.kind = K::Shape, .name = row.bar, .parent = "fraSTATISTICS",
                             .firstIndex = i, .left = 2310 + 450 * i, .top = row.barTop,
                             .width = 435, .height = 135, .back = kBarColours[i]});
        }
    }
    table.push_back({.kind = K::Shape, .name = "shpSTATISTICS", .parent = "fraSTATISTICS",
                     .width = 3735, .height = 1155, .border = true});

    table.push_back({.kind = K::Label, .name = "lblDESCRIPTION_DESCRIPTION",
                     .parent = "fraDESCRIPTION", .left = 90, .top = 45, .width = 3555,
                     .height = 1095, .transparent = true});
    table.push_back({.kind = K::Shape, .name = "shpDESCRIPTION", .parent = "fraDESCRIPTION",
                     .width = 3735, .height = 1155, .border = true});

    const char* evolution = "fraEVOLUTION";
    table.push_back({.kind = K::Timer, .name = "tEVOLUTION", .parent = evolution,
                     .interval = 120, .enabled = true});
    for (int i = 0; i < 3; ++i) {
        table.push_back({.kind = K::Shape, .name = "shpEVOLUTION_BAR", .parent = evolution,
                         .firstIndex = i, .left = 1200 + 450 * i, .top = 443, .width = 435,
                         .height = 135, .back = kBarColours[i]});
    }
    table.push_back({.kind = K::Label, .name = "lblEVOLUTION_NAME", .parent = evolution,
                     .firstIndex = 0, .left = 105, .top = 930, .width = 1875, .height = 195,
                     .transparent = true});
    table.push_back({.kind = K::Label, .name = "lblEVOLUTION_NAME", .parent = evolution,
                     .firstIndex = 1, .left = 1740, .top = 930, .width = 1875, .height = 195,
                     .transparent = true, .align = Align::Right});
    table.push_back({.kind = K::Image, .name = "imgEVOLUTION_ZENTARI", .parent = evolution,
                     .firstIndex = 0, .left = 120, .top = 75, .width = 840, .height = 840});
    table.push_back({.kind = K::Image, .name = "imgEVOLUTION_ZENTARI", .parent = evolution,
                     .firstIndex = 1, .left = 2730, .top = 75, .width = 840, .height = 840});
    table.push_back({.kind = K::Label, .name = "lblEVOLUTION_CONDITION", .parent = evolution,
                     .top = 240, .width = 3735, .height = 195, .transparent = true,
                     .align = Align::Centre});
    table.push_back({.kind = K::Label, .name = "lblEVOLUTION_HOLD", .parent = evolution,
                     .top = 630, .width = 3735, .height = 195, .transparent = true,
                     .align = Align::Centre});
    table.push_back({.kind = K::Shape, .name = "shpEVOLUTION", .parent = evolution,
                     .width = 3735, .height = 1155, .border = true});

    for (int frame = 0; frame < 3; ++frame) {
        for (const PanelRow& row : kPanelRows) {
            table.push_back({.kind = row.kind, .name = row.names[frame],
                             .parent = kPanelFrames[frame], .firstIndex = row.firstIndex,
                             .left = row.left, .top = row.top, .width = row.width,
                             .height = row.height, .back = row.back,
                             .transparent = row.transparent, .border = row.border,
                             .align = row.align, .caption = row.caption});
        }
    }
    return table;
}

Qt::Alignment AlignmentOf(Align align) {
    switch (align) {
        case Align::Centre: return Qt::AlignHCenter;
        case Align::Right: return Qt::AlignRight;
        case Align::Left: break;
    }
    return Qt::AlignLeft;
}

QRect PixelRect(const ElementSpec& spec, int k) {
    using toolkit::Px;
    const int left = spec.left + k * spec.stepLeft;
    const int top = spec.top + k * spec.stepTop;
    // Edges are rounded, not sizes, so neighbours placed edge to edge in twips stay so.
    return QRect(QPoint(Px(left), Px(top)),
                 QPoint(Px(left + spec.width) - 1, Px(top + spec.height) - 1));
}

QObject* Create(const ElementSpec& spec, int k, QWidget* parent) {
    const int index = spec.firstIndex < 0 ? -1 : spec.firstIndex + k;
    const QColor fore = QColor::fromRgb(spec.fore);
    const QColor back = QColor::fromRgb(spec.back);
    const QFont font = toolkit::Font(spec.small ? kSmallFontPx : kFontPx, spec.bold);
    QWidget* widget = nullptr;
    switch (spec.kind) {
        case K::Label: {
            auto* label = new toolkit::Label(parent, index);
            label->setColors(fore, back);
            label->setTransparent(spec.transparent);
            label->setBorder(spec.border);
            label->setAlignment(AlignmentOf(spec.align));
            label->setCaption(QString::fromUtf16(spec.caption));
            widget = label;
            break;
        }
        case K::Shape: {
            auto* shape = new toolkit::Shape(parent, index);
            shape->setBackColor(back);
            shape->setBorder(spec.border);
            widget = shape;
            break;
        }
        case K::Line: {
            using toolkit::Px;
            widget = new toolkit::Line(parent, index, QPoint(Px(spec.left), Px(spec.top)),
                                       QPoint(Px(spec.width), Px(spec.height)));
            break;
        }
        case K::Image: widget = new toolkit::Image(parent, index); break;
        case K::Frame: {
            auto* frame = new toolkit::Frame(parent);
            // Never seen: each page covers its frame with its own background shape.
            frame->setAutoFillBackground(true);
            QPalette palette = frame->palette();
            palette.setColor(QPalette::Window, back);
            frame->setPalette(palette);
            widget = frame;
            break;
        }
        case K::ListBox:
            widget = new toolkit::ListBox(parent, toolkit::Px(kListRowTwips), font);
            break;
        case K::Option: {
            auto* option = new toolkit::OptionButton(parent, index);
            option->setColors(fore, back);
            option->setCaption(QString::fromUtf16(spec.caption));
            widget = option;
            break;
        }
        case K::Timer: {
            auto* timer = new toolkit::Timer(parent, index, spec.interval);
            timer->setObjectName(ElementName(spec.name, index));
            timer->setEnabled(spec.enabled);
            return timer;
        }
    }
    widget->setObjectName(ElementName(spec.name, index));
    if (spec.kind != K::Line) {
        widget->setGeometry(PixelRect(spec, k));
    }
    widget->setFont(font);
    if (spec.toolTip) {
        widget->setToolTip(QString::fromLatin1(spec.toolTip));
    }
    if (!spec.visible) {
        widget->hide();
    }
    return widget;
}

}  // namespace

std::span<const ElementSpec> LayoutTable() {
    static const std::vector<ElementSpec> table = MakeTable();
    return table;
}

QString ElementName(const char* name, int index) {
    const QString plain = QString::fromLatin1(name);
    return index < 0 ? plain : plain + u'(' + QString::number(index) + u')';
}

void BuildLayout(QWidget* window, Elements& elements) {
    const std::span<const ElementSpec> table = LayoutTable();
    // Window elements first, so the frames exist when their children are made; within each
    // parent, back to front: a later child is drawn above an earlier one.
    for (bool children : {false, true}) {
        for (auto spec = table.rbegin(); spec != table.rend(); ++spec) {
            if ((spec->parent != nullptr) != children) {
                continue;
            }
            QWidget* parent = window;
            if (spec->parent) {
                parent = elements.get<toolkit::Frame>(spec->parent);
                Q_ASSERT(parent);
            }
            for (int k = spec->count - 1; k >= 0; --k) {
                elements.add(Create(*spec, k, parent));
            }
        }
    }
}

}  // namespace zentaloger

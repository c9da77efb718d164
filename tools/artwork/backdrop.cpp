// The backdrop: grid well at the top, a control deck at the bottom; and the status strip the
// editor pastes over the deck's status well before each message.

#include "artwork/artwork.h"

#include <array>
#include <cstdlib>
#include <string_view>
#include <utility>

namespace bse::artwork {
namespace {

constexpr QRgb kChassis = qRgb(26, 28, 38);
constexpr QRgb kChassisDark = qRgb(20, 22, 30);
constexpr QRgb kDeck = qRgb(40, 43, 56);
constexpr QRgb kDeckLight = qRgb(78, 84, 104);
constexpr QRgb kDeckShade = qRgb(16, 17, 23);
constexpr QRgb kWellDark = qRgb(6, 6, 9);
constexpr QRgb kWellLight = qRgb(64, 68, 86);
constexpr QRgb kLabelInk = qRgb(168, 176, 198);
constexpr QRgb kLabelEngrave = qRgb(14, 15, 20);

constexpr QRgb kButtonFace = qRgb(72, 77, 96);
constexpr QRgb kButtonLight = qRgb(124, 131, 156);
constexpr QRgb kButtonHighlight = qRgb(172, 178, 200);
constexpr QRgb kButtonShade = qRgb(38, 41, 53);
constexpr QRgb kButtonDark = qRgb(8, 8, 12);
constexpr QRgb kGlyph = qRgb(226, 230, 240);
constexpr QRgb kGlyphShadow = qRgb(22, 24, 32);

constexpr int kDeckTop = 310;

// Sunken well: dark above/left, light below/right, `depth` rings outside the rectangle.
void drawSunkenFrame(Canvas& c, int x, int y, int w, int h, int depth) {
    for (int ring = 1; ring <= depth; ++ring) {
        const QRgb tl = ring == 1 ? kWellDark : kDeckShade;
        const QRgb br = ring == 1 ? kWellLight : kDeckLight;
        c.bevelRing(x - ring, y - ring, w + 2 * ring, h + 2 * ring, tl, br);
    }
}

void drawScrew(Canvas& c, int x, int y) {
    // h = highlight, m = head, d = shade, s = slot.
    constexpr std::array<std::string_view, 7> kScrew = {"..hhh..", ".hhmmm.", "hhmmmmd", "hsssssd",
                                                        "mmmmmdd", ".mmddd.", "..ddd.."};
    for (int row = 0; row < 7; ++row)
        for (int col = 0; col < 7; ++col) {
            QRgb tone = 0;
            switch (kScrew[row][col]) {
            case 'h':
                tone = kButtonHighlight;
                break;
            case 'm':
                tone = qRgb(100, 106, 128);
                break;
            case 'd':
                tone = kButtonShade;
                break;
            case 's':
                tone = kWellDark;
                break;
            default:
                continue;
            }
            c.set(x - 3 + col, y - 3 + row, tone);
        }
    // Drop shadow on the deck.
    c.set(x + 3, y + 2, kDeckShade);
    c.set(x + 2, y + 3, kDeckShade);
    c.hline(x - 1, x + 1, y + 4, kDeckShade);
    c.vline(x + 4, y - 1, y + 1, kDeckShade);
}

void drawBackdropChassis(Canvas& c) {
    // Fine vertical brushing on the chassis, regular so it compresses and never flickers.
    for (int y = 0; y < kDeckTop; ++y)
        for (int x = 0; x < canvasWidth; ++x)
            if ((x * 7 + y / 3) % 11 == 0)
                c.set(x, y, kChassisDark);

    // Grid well.
    const Rect& grid = boardGridRect;
    drawSunkenFrame(c, grid.left, grid.top, grid.width(), grid.height(), 3);
    for (int row = 1; row <= grid.height() / blockHeight; ++row)
        for (int column = 1; column <= grid.width() / blockWidth; ++column) {
            const Point at = cellOrigin(column, row);
            drawEmptyCell(c, at.x, at.y, kCellInside);
        }

    // Control deck.
    c.fill(0, kDeckTop, canvasWidth, canvasHeight - kDeckTop, kDeck);
    c.hline(0, canvasWidth - 1, kDeckTop - 1, kDeckShade);
    c.hline(0, canvasWidth - 1, kDeckTop, kDeckLight);
    c.hline(0, canvasWidth - 1, kDeckTop + 1, mix(kDeck, kDeckLight, 50));
    for (int y = kDeckTop + 2; y < canvasHeight; ++y)
        for (int x = 0; x < canvasWidth; ++x)
            if ((x + 2 * y) % 4 == 0)
                c.set(x, y, mix(kDeck, kDeckShade, 18));
    for (auto [x, y] : {std::array<int, 2>{11, 320}, {11, 390}, {628, 320}, {628, 390}})
        drawScrew(c, x, y);
}

void drawPalette(Canvas& c, const Canvas& strip) {
    constexpr Point kOrigin = paletteSlotOrigin(1);
    constexpr int kW = paletteSlotsPerRow * blockWidth;
    constexpr int kH = paletteSlotCount / paletteSlotsPerRow * blockHeight;
    // Frame is two pixels so it fits between the palette and the buttons below.
    drawSunkenFrame(c, kOrigin.x, kOrigin.y, kW, kH, 2);
    drawText(c, kOrigin.x, kOrigin.y - 12, "BLOCKS", kLabelInk, kLabelEngrave);

    for (int slot = 1; slot <= paletteSlotCount; ++slot) {
        const auto [x, y] = paletteSlotOrigin(slot);
        if (slot == 1)
            c.blit(strip, 0, blockImageTop(eraserImage), blockWidth, blockHeight, x, y);
        else if (slot <= lastBlockImage)
            c.blit(strip, 0, blockImageTop(slot), blockWidth, blockHeight, x, y);
        else
            drawEmptyCell(c, x, y, kCellInside);
    }
}

// Raised button filling the button's hit box.
void drawButtonBody(Canvas& c, const HitBox& box) {
    const int w = box.right - box.left + 1;
    const int h = box.bottom - box.top + 1;
    c.fill(box.left, box.top, w, h, kButtonFace);
    c.bevelRing(box.left, box.top, w, h, kButtonHighlight, kButtonDark);
    c.bevelRing(box.left + 1, box.top + 1, w - 2, h - 2, kButtonLight, kButtonShade);
    // A slightly lighter upper half reads as a rounded, lit surface.
    c.fill(box.left + 2, box.top + 2, w - 4, (h - 4) / 2, mix(kButtonFace, kButtonLight, 30));
}

// Upper of the two middle rows of the button row.
constexpr int kButtonMidTop = (buttonReleaseZone.top + buttonReleaseZone.bottom) / 2;

// Filled arrowhead: `dir` -1 points left, +1 right. Column heights are even so the arrow
// centres on the button's half-pixel middle; `drop` shifts it down for the shadow pass.
void drawArrowHead(Canvas& c, int tipX, int dir, int columns, int drop, QRgb colour) {
    for (int i = 0; i < columns; ++i)
        c.vline(tipX - dir * i, kButtonMidTop - i + drop, kButtonMidTop + 1 + i + drop, colour);
}

void drawArrow(Canvas& c, int tipX, int dir, int headColumns, int shaftLength, int shaftHalf,
               int drop, QRgb colour) {
    drawArrowHead(c, tipX, dir, headColumns, drop, colour);
    const int shaftStart = tipX - dir * headColumns;
    for (int i = 0; i < shaftLength; ++i)
        c.vline(shaftStart - dir * i, kButtonMidTop - shaftHalf + 1 + drop,
                kButtonMidTop + shaftHalf + drop, colour);
}

void drawPage(Canvas& c, int x, int y, int w, int h, bool withLines) {
    constexpr QRgb kPaper = qRgb(240, 240, 232);
    constexpr QRgb kPaperShade = qRgb(196, 198, 206);
    constexpr QRgb kInk = qRgb(20, 22, 30);
    constexpr QRgb kText = qRgb(120, 126, 150);
    constexpr int kEar = 3;
    std::array<std::array<QRgb, kEar>, kEar> under{};
    for (int i = 0; i < kEar; ++i)
        for (int j = 0; j < kEar; ++j)
            under[i][j] = c.at(x + w - kEar + j, y + i);
    c.fill(x, y, w, h, kInk);
    c.fill(x + 1, y + 1, w - 2, h - 2, kPaper);
    c.vline(x + w - 2, y + kEar + 1, y + h - 2, kPaperShade);
    c.hline(x + 1, x + w - 2, y + h - 2, kPaperShade);
    // Dog-eared corner.
    for (int i = 0; i < kEar; ++i)
        for (int j = i; j < kEar; ++j)
            c.set(x + w - kEar + j, y + i, under[i][j]);
    c.line(x + w - kEar - 1, y, x + w - 1, y + kEar, kInk);
    c.vline(x + w - kEar - 1, y, y + kEar, kInk);
    c.hline(x + w - kEar - 1, x + w - 1, y + kEar, kInk);
    c.fill(x + w - kEar, y + 1, kEar - 1, kEar - 1, kPaperShade);
    c.set(x + w - 2, y + 1, under[1][1]);
    if (withLines)
        for (int ly = y + 3; ly < y + h - 3; ly += 2)
            c.hline(x + 2, x + w - (ly == y + 3 ? kEar + 3 : 4), ly, kText);
}

// Navigation group: First, Previous, Next, Last as one segmented control.
void drawNavigationButtons(Canvas& c) {
    for (const HitBox& box : {firstButtonBox, previousButtonBox, nextButtonBox, lastButtonBox})
        drawButtonBody(c, box);
    // Shadow pass one pixel down and right, then the light glyphs on top.
    for (auto [o, col] : {std::pair<int, QRgb>{1, kGlyphShadow}, {0, kGlyph}}) {
        drawArrowHead(c, firstButtonBox.left + 2 + o, -1, 4, o, col);
        drawArrow(c, previousButtonBox.left + 5 + o, -1, 7, 8, 3, o, col);
        drawArrow(c, nextButtonBox.right - 5 + o, +1, 7, 8, 3, o, col);
        drawArrowHead(c, lastButtonBox.right - 3 + o, +1, 4, o, col);
    }
}

// Whether a pixel of the mask, or one beside it (not diagonally), is set.
bool touchesMask(const Canvas& mask, int a, int b) {
    for (auto [dx, dy] : {std::array<int, 2>{0, -1}, {-1, 0}, {0, 0}, {1, 0}, {0, 1}}) {
        const int na = a + dx, nb = b + dy;
        if (na >= 0 && nb >= 0 && na < mask.width() && nb < mask.height() &&
            mask.at(na, nb) == kWhite)
            return true;
    }
    return false;
}

// The Clear button's red cross: two thick diagonals, lit along their top edges and outlined.
void drawClearCross(Canvas& c, int x, int y) {
    constexpr QRgb kRed = qRgb(226, 44, 34);
    constexpr QRgb kRedLight = qRgb(255, 130, 110);
    constexpr QRgb kRedDark = qRgb(90, 10, 10);
    constexpr int kSize = 13;
    // The mask has a one-pixel margin for the outline.
    Canvas mask(kSize + 2, kSize + 2, kBlack);
    for (int b = 0; b < kSize; ++b)
        for (int a = 0; a < kSize; ++a)
            if (std::abs(a - b) <= 1 || std::abs(a + b - (kSize - 1)) <= 1)
                mask.set(a + 1, b + 1, kWhite);
    for (int b = 0; b < mask.height(); ++b)
        for (int a = 0; a < mask.width(); ++a) {
            if (mask.at(a, b) == kWhite) {
                const bool litEdge = b > 0 && mask.at(a, b - 1) != kWhite;
                c.set(x - 1 + a, y - 1 + b, litEdge ? kRedLight : kRed);
            } else if (touchesMask(mask, a, b)) {
                c.set(x - 1 + a, y - 1 + b, kRedDark);
            }
        }
}

void drawClearButton(Canvas& c, const HitBox& box) {
    drawButtonBody(c, box);
    drawClearCross(c, box.left + 6, box.top + 5);
}

// Two overlapping pages.
void drawCopyButton(Canvas& c, const HitBox& box) {
    drawButtonBody(c, box);
    drawPage(c, box.left + 5, box.top + 3, 11, 14, true);
    drawPage(c, box.left + 11, box.top + 7, 11, 14, true);
}

// A blue arrow from (x, y) down and bending right, into the page of the Paste button.
void drawPasteArrow(Canvas& c, int x, int y) {
    constexpr QRgb kBlueArrow = qRgb(56, 132, 236);
    constexpr QRgb kBlueLight = qRgb(150, 200, 255);
    constexpr QRgb kBlueDark = qRgb(14, 40, 110);
    // Outline first, then the body one pixel inside it.
    auto arrow = [&](int grow, QRgb col) {
        c.fill(x - grow, y - grow, 3 + 2 * grow, 9 + grow, col);     // vertical shaft
        c.fill(x - grow, y + 7 - grow, 8 + grow, 3 + 2 * grow, col); // bend towards page
        for (int i = 0; i < 4; ++i)                                  // head
            c.vline(x + 11 - i + grow, y + 8 - i - grow, y + 8 + i + grow, col);
    };
    arrow(1, kBlueDark);
    arrow(0, kBlueArrow);
    c.vline(x, y, y + 7, kBlueLight);
    c.hline(x, x + 7, y + 7, kBlueLight);
}

void drawPasteButton(Canvas& c, const HitBox& box) {
    drawButtonBody(c, box);
    drawPage(c, box.left + 9, box.top + 6, 11, 14, true);
    drawPasteArrow(c, box.left + 3, box.top + 4);
}

void drawButtons(Canvas& c) {
    drawNavigationButtons(c);
    drawClearButton(c, clearButtonBox);
    drawCopyButton(c, copyButtonBox);
    drawPasteButton(c, pasteButtonBox);
}

void drawStatusWell(Canvas& c) {
    // Black one pixel beyond the text rectangle, so the pasted strip never shows a seam.
    const Rect& text = statusTextRect;
    const int w = text.width() + 1;
    const int h = text.height() + 1;
    drawSunkenFrame(c, text.left, text.top, w, h, 2);
    c.fill(text.left, text.top, w, h, kBlack);
}

void drawSelectionPanel(Canvas& c) {
    // The panel holds both slots with a margin, and their labels above them.
    constexpr int kMargin = 7, kLabelY = selectionSlotY - 10;
    constexpr int kPanelX = leftSlotX - kMargin, kPanelY = kLabelY - kMargin;
    constexpr int kPanelW = rightSlotX + blockWidth + kMargin - kPanelX;
    constexpr int kPanelH = selectionSlotY + blockHeight + kMargin + 1 - kPanelY;
    drawSunkenFrame(c, kPanelX, kPanelY, kPanelW, kPanelH, 1);
    c.fill(kPanelX, kPanelY, kPanelW, kPanelH, mix(kDeck, kDeckShade, 30));
    c.bevelRing(kPanelX, kPanelY, kPanelW, kPanelH, kDeckLight, kDeckShade);
    for (auto [x, label] :
         {std::pair<int, std::string_view>{leftSlotX, "LEFT"}, {rightSlotX, "RIGHT"}}) {
        drawCenteredText(c, x, blockWidth, kLabelY, label, kLabelInk, kLabelEngrave);
        drawSunkenFrame(c, x, selectionSlotY, blockWidth, blockHeight, 1);
        drawEmptyCell(c, x, selectionSlotY, kCellInside);
    }
}

// Ventilation grille in the otherwise empty corner of the deck.
void drawGrille(Canvas& c) {
    constexpr int kX = 590, kY = 332, kW = 30, kSlots = 8;
    for (int i = 0; i < kSlots; ++i) {
        const int y = kY + i * 6;
        c.hline(kX, kX + kW - 1, y, kDeckShade);
        c.hline(kX, kX + kW - 1, y + 1, kWellDark);
        c.hline(kX + 1, kX + kW, y + 2, kDeckLight);
        c.set(kX - 1, y + 1, kDeckShade);
        c.set(kX + kW, y + 1, kDeckLight);
    }
}

} // namespace

Canvas drawBackdrop(const Canvas& strip) {
    Canvas c(canvasWidth, canvasHeight, kChassis);
    drawBackdropChassis(c);
    drawPalette(c, strip);
    drawButtons(c);
    drawStatusWell(c);
    drawSelectionPanel(c);
    drawGrille(c);
    return c;
}

Canvas drawStatusStrip() {
    constexpr QRgb kStatusFill = qRgb(8, 8, 8);
    return Canvas(statusStripWidth, statusStripHeight, kStatusFill);
}

} // namespace bse::artwork

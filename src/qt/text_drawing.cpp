#include "qt/text_drawing.h"

#include "qt/picture_loader.h"
#include "qt/text_codec.h"

#include <QImage>
#include <QPainter>

namespace bse {

QFont pictureFont() {
    // Stands in for the system font of the first platform: bold, crisp, one size, narrow enough
    // for the longest credits line (59 characters) to fit the about picture's 424 pixels.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

void drawPictureText(const QFont& font, Picture& picture, const Rect& rect, std::string_view text,
                     Rgb colour, TextAlign align) {
    if (picture.empty()) {
        return;
    }
    QImage image = imageOver(picture);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(QColor(colour.red, colour.green, colour.blue));
    const QRect area(rect.left, rect.top, rect.width(), rect.height());
    painter.setClipRect(area);
    const int horizontal = align == TextAlign::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
    painter.drawText(area, horizontal | Qt::AlignTop, fromWindows1252(text));
}

} // namespace bse

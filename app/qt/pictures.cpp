#include "app/qt/pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "app/qt/frame_image.h"
#include "engine/palette.h"
#include "engine/primitives.h"
#include "engine/surface.h"
#include "framework/drawing_context.h"
#include "framework/font.h"

namespace {
constexpr int kSplashWidth = 210, kSplashHeight = 80;

// A fixed scatter of faint and bright stars (a small linear congruential walk,
// so the picture is the same every time).
void ScatterStars(Surface& s) {
    uint32_t seed = 12345;
    auto next = [&seed](uint32_t n) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % n;
    };
    for (int i = 0; i < 160; ++i) {
        int32_t x = static_cast<int32_t>(next(kSplashWidth - 2)) + 1;
        int32_t y = static_cast<int32_t>(next(kSplashHeight - 2)) + 1;
        int32_t level = static_cast<int32_t>(next(8)) + 2;
        PutPixel(s, x, y, PaletteIndexOf(level, 1));
    }
}

// A constellation-like figure on the right: stars joined by lines.
void DrawFigure(Surface& s) {
    const int32_t pts[][2] = {{150, 60}, {168, 52}, {180, 62}, {196, 48}, {186, 30}, {166, 22}};
    MoveTo(s, pts[0][0], pts[0][1]);
    for (const auto& p : pts) LineTo(s, p[0], p[1], PaletteIndexOf(6, 4) - kFirstShadeIndex);
    for (const auto& p : pts) FillDisc(s, p[0], p[1], 2, 1);
    FillDisc(s, 30, 58, 9, PaletteIndexOf(0, 5) - kFirstShadeIndex);  // a yellow Moon
    FillDisc(s, 34, 61, 8, 0);  // its dark part, a crescent remains
}
}  // namespace

QImage SplashPicture() {
    Surface s;
    if (!SurfaceCreate(s, kSplashWidth, kSplashHeight)) return {};
    SurfaceClear(s, 10);
    ScatterStars(s);
    DrawFigure(s);
    CFont big, small;
    CDC dc;
    if (dc.Attach(s.MemoryDC)) {
        dc.SetBkMode(TRANSPARENT);
        if (big.CreateFont(28, "Arial", 700)) {
            dc.SelectObject(&big);
            dc.SetTextColor(Rgb(255, 255, 255));
            dc.TextOut(56, 18, "Lumo");
        }
        if (small.CreateFont(12, "Arial")) {
            dc.SelectObject(&small);
            dc.SetTextColor(Rgb(0, 255, 255));
            dc.TextOut(58, 52, "the sky, anywhere, any time");
        }
        dc.Detach();
    }
    return SurfaceToImage(s).copy(0, 0, kSplashWidth, kSplashHeight);
}

QIcon CommandIcon(CommandImage which) {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    switch (which) {
        case CommandImage::Where: {  // a map pin
            QPainterPath pin;
            pin.moveTo(8, 15);
            pin.cubicTo(2, 8, 3, 1, 8, 1);
            pin.cubicTo(13, 1, 14, 8, 8, 15);
            p.fillPath(pin, QColor(200, 40, 40));
            p.setBrush(Qt::white);
            p.setPen(Qt::NoPen);
            p.drawEllipse(QPointF(8, 6), 2.2, 2.2);
            break;
        }
        case CommandImage::ViewOptions: {  // check boxes
            p.setPen(QPen(QColor(40, 40, 40), 1));
            p.setBrush(Qt::white);
            p.drawRect(1, 2, 5, 5);
            p.drawRect(1, 9, 5, 5);
            p.setPen(QPen(QColor(0, 120, 0), 1.5));
            p.drawLine(QPointF(2, 4.5), QPointF(3.5, 6));
            p.drawLine(QPointF(3.5, 6), QPointF(6, 2.5));
            p.setPen(QPen(QColor(40, 40, 40), 1.5));
            p.drawLine(8, 4, 15, 4);
            p.drawLine(8, 11, 15, 11);
            break;
        }
        case CommandImage::VR: {  // a ringed planet
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(214, 170, 90));
            p.drawEllipse(QPointF(8, 8), 4.5, 4.5);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(110, 80, 40), 1.3));
            p.drawEllipse(QPointF(8, 8), 7.5, 2.5);
            break;
        }
        case CommandImage::Help: {  // a question mark in a blue disc
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(30, 90, 200));
            p.drawEllipse(QPointF(8, 8), 7.5, 7.5);
            QFont f = p.font();
            f.setPixelSize(12);
            f.setBold(true);
            p.setFont(f);
            p.setPen(Qt::white);
            p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, "?");
            break;
        }
    }
    p.end();
    return QIcon(pm);
}

QImage ProgramIconImage(int side) {
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(side / 32.0, side / 32.0);  // drawn on a 32 x 32 grid
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(10, 20, 60));
    p.drawEllipse(1, 1, 30, 30);
    p.setBrush(QColor(255, 230, 120));
    const QPointF stars[] = {{10, 12}, {16, 9}, {22, 14}, {19, 21}, {12, 22}};
    for (const QPointF& s : stars) p.drawEllipse(s, 1.6, 1.6);
    p.setPen(QPen(QColor(120, 160, 255), 1));
    p.drawPolyline(stars, 5);
    p.end();
    return image;
}

QIcon ProgramIcon() {
    QIcon icon;
    for (int side : kProgramIconSides) icon.addPixmap(QPixmap::fromImage(ProgramIconImage(side)));
    return icon;
}

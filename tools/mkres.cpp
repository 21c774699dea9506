// Draws the program's pictures into Res/: the room state pictures, the logo,
// the empty-board picture and the settings window's device pictures. Run by
// hand when a picture changes:
//   build/mkres Res
#include <QApplication>
#include <QDir>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

QImage stateTile(int size, QColor base, const QString& glyph)
{
    QImage img(size, size, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal m = size / 16.0;
    QRectF r(m, m, size - 2 * m, size - 2 * m);
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, base.lighter(135));
    g.setColorAt(1, base);
    p.setPen(QPen(base.darker(140), size / 32.0));
    p.setBrush(g);
    p.drawRoundedRect(r, size / 8.0, size / 8.0);
    // A court seen from above: outline, centre line and circle.
    const QColor line = base.lightness() > 200 ? QColor(120, 120, 120) : QColor(255, 255, 255, 220);
    p.setPen(QPen(line, size / 40.0));
    p.setBrush(Qt::NoBrush);
    QRectF court = r.adjusted(size / 6.0, size / 5.0, -size / 6.0, -size / 5.0);
    p.drawRect(court);
    p.drawLine(QPointF(court.center().x(), court.top()), QPointF(court.center().x(), court.bottom()));
    p.drawEllipse(court.center(), court.height() / 5, court.height() / 5);
    QFont f(QStringLiteral("WenQuanYi Micro Hei"));
    f.setPixelSize(size / 3);
    f.setBold(true);
    p.setFont(f);
    p.setPen(base.lightness() > 200 ? QColor(80, 80, 80) : Qt::white);
    p.drawText(QRectF(r.right() - size / 2.2, r.bottom() - size / 2.4, size / 2.4, size / 2.6), Qt::AlignCenter, glyph);
    return img;
}

QImage blank(int width, int height)
{
    QImage img(width, height, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    return img;
}

QImage logo()
{
    QImage img = blank(160, 70);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath hills;
    hills.moveTo(4, 60);
    hills.lineTo(24, 22);
    hills.lineTo(36, 40);
    hills.lineTo(50, 12);
    hills.lineTo(72, 60);
    hills.closeSubpath();
    p.fillPath(hills, QColor(30, 110, 170));
    p.setPen(QPen(QColor(250, 170, 40), 3));
    p.drawLine(8, 62, 68, 62);
    QFont f(QStringLiteral("WenQuanYi Micro Hei"));
    f.setPixelSize(22);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(30, 80, 130));
    p.drawText(QRect(76, 8, 84, 30), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("澄岳"));
    f.setPixelSize(14);
    p.setFont(f);
    p.drawText(QRect(76, 38, 84, 22), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("体育场馆"));
    return img;
}

QImage noRoom()
{
    QImage img = blank(240, 150);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(170, 170, 170), 2, Qt::DashLine));
    p.setBrush(QColor(240, 244, 248));
    p.drawRoundedRect(QRectF(10, 10, 220, 100), 10, 10);
    p.setPen(QPen(QColor(190, 190, 190), 2));
    p.drawLine(120, 22, 120, 98);
    p.drawEllipse(QPointF(120, 60), 16, 16);
    QFont f(QStringLiteral("WenQuanYi Micro Hei"));
    f.setPixelSize(16);
    p.setFont(f);
    p.setPen(QColor(110, 110, 110));
    p.drawText(QRect(0, 116, 240, 30), Qt::AlignCenter, QStringLiteral("没有符合条件的房间"));
    return img;
}

// The two pictures of the settings window's devices page.
QImage cardReader()
{
    QImage img = blank(96, 96);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 2));
    p.setBrush(QColor(70, 75, 85));
    p.drawRoundedRect(QRectF(14, 40, 68, 46), 8, 8);  // the reader
    p.setBrush(QColor(120, 220, 120));
    p.drawEllipse(QPointF(70, 76), 4, 4);             // its lamp
    p.setPen(QPen(QColor(30, 80, 150), 2));
    p.setBrush(QColor(90, 160, 230));
    p.save();
    p.translate(48, 34);
    p.rotate(-12);
    p.drawRoundedRect(QRectF(-30, -20, 60, 38), 5, 5);  // the card above it
    p.fillRect(QRectF(-22, -12, 14, 10), QColor(235, 200, 80));
    p.restore();
    return img;
}

QImage computer()
{
    QImage img = blank(96, 96);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 2));
    p.setBrush(QColor(80, 85, 95));
    p.drawRoundedRect(QRectF(10, 10, 76, 54), 5, 5);  // the screen
    QLinearGradient g(16, 16, 80, 58);
    g.setColorAt(0, QColor(120, 190, 250));
    g.setColorAt(1, QColor(40, 110, 200));
    p.setBrush(g);
    p.drawRect(QRectF(16, 16, 64, 42));
    p.setBrush(QColor(110, 115, 125));
    p.drawRect(QRectF(42, 64, 12, 12));               // the stand
    p.drawRoundedRect(QRectF(26, 76, 44, 8), 3, 3);
    return img;
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: mkres DIR\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/');
    QDir().mkpath(dir);
    struct State {
        const char* name;
        QColor color;
        const char* glyph;
    } states[] = {{"White", QColor(236, 236, 236), "空"}, {"Green", QColor(46, 160, 67), "用"},
                  {"Red", QColor(214, 48, 49), "超"},     {"Blue", QColor(41, 121, 219), "订"}};
    for (const State& s : states)
        for (int size : {64, 80})
            stateTile(size, s.color, QString::fromUtf8(s.glyph))
                .save(dir + QString::fromLatin1(s.name) + QString::number(size) + QStringLiteral(".jpg"), "JPG", 92);
    stateTile(64, QColor(245, 150, 20), QStringLiteral("铃")).save(dir + QStringLiteral("Ring64.jpg"), "JPG", 92);
    logo().save(dir + QStringLiteral("Logo.png"));
    noRoom().save(dir + QStringLiteral("NoRoom.png"));
    cardReader().save(dir + QStringLiteral("CardReader.png"));
    computer().save(dir + QStringLiteral("Computer.png"));
    return 0;
}

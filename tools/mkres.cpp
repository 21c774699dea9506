// Draws the program's pictures into Res/: the room state pictures, the logo,
// the empty-board picture, the settings window's device pictures and the
// finance windows' pictures (account books, balance icons, banners). Run by
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

// The program's icon: the logo's hills on a rounded tile, drawn at each size
// so that small ones stay sharp.
QImage appIcon(int size)
{
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 250, 252));
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    QPainterPath hills;
    hills.moveTo(6, 50);
    hills.lineTo(22, 18);
    hills.lineTo(32, 33);
    hills.lineTo(42, 10);
    hills.lineTo(60, 50);
    hills.closeSubpath();
    p.fillPath(hills, QColor(30, 110, 170));
    p.setPen(QPen(QColor(250, 170, 40), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9, 55), QPointF(57, 55));
    p.setPen(QPen(QColor(30, 80, 130), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(2.75, 2.75, 58.5, 58.5), 11, 11);
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

// ---- finance windows

QString g_dir;

QFont font(int px, bool bold = false)
{
    QFont f(QStringLiteral("WenQuanYi Micro Hei"));
    f.setPixelSize(px);
    f.setBold(bold);
    return f;
}

void save(const QImage& img, const QString& name)
{
    const QString path = g_dir + QLatin1Char('/') + name;
    const bool ico = name.endsWith(QLatin1String(".ico"));
    if (!img.convertToFormat(ico ? QImage::Format_ARGB32 : QImage::Format_RGB32).save(path, ico ? "ICO" : "BMP"))
        qFatal("cannot write %s", qPrintable(path));
}

// A ledger book with a coloured cover and a word on it.
void book(const QString& name, QColor cover, const QString& word)
{
    QImage img(96, 80, QImage::Format_RGB32);
    img.fill(QColor(236, 240, 246));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(cover.darker(130));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(22, 8, 56, 66), 4, 4);
    p.setBrush(QColor(250, 250, 245));
    p.drawRect(QRectF(26, 10, 52, 60));
    p.setBrush(cover);
    p.drawRoundedRect(QRectF(18, 6, 56, 66), 4, 4);
    p.setPen(QPen(Qt::white, 2));
    p.drawLine(QPointF(26, 6), QPointF(26, 72));
    p.setFont(font(16, true));
    p.drawText(QRectF(26, 20, 48, 40), Qt::AlignCenter, word);
    p.end();
    save(img, name);
}

// A coin with a sign: the balance icons.
void coin(const QString& name, QColor colour, const QString& sign)
{
    QImage img(48, 48, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour.darker(150), 2));
    p.setBrush(colour);
    p.drawEllipse(QRectF(3, 3, 42, 42));
    p.setPen(QPen(colour.darker(180)));
    p.setFont(font(sign.size() > 2 ? 15 : 20, true));
    p.drawText(QRectF(3, 3, 42, 42), Qt::AlignCenter, sign);
    p.end();
    save(img, name);
}

// A banner: the document's name with the mode in brackets.
void banner(const QString& name, const QString& title, const QString& mode, QColor colour)
{
    QImage img(480, 48, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient gr(0, 0, 480, 0);
    gr.setColorAt(0, colour);
    gr.setColorAt(1, colour.lighter(170));
    p.fillRect(img.rect(), gr);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::white);
    p.setFont(font(24, true));
    p.drawText(QRect(16, 0, 460, 48), Qt::AlignVCenter | Qt::AlignLeft, title + QStringLiteral("（") + mode + QStringLiteral("）"));
    p.end();
    save(img, name);
}

// The side bar's arrow pointing left (panel shown) or right (panel hidden).
void bar(const QString& name, bool left)
{
    QImage img(16, 64, QImage::Format_RGB32);
    img.fill(QColor(210, 222, 238));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(60, 90, 140));
    p.setPen(Qt::NoPen);
    QPolygonF tri;
    if (left)
        tri << QPointF(11, 22) << QPointF(4, 32) << QPointF(11, 42);
    else
        tri << QPointF(5, 22) << QPointF(12, 32) << QPointF(5, 42);
    p.drawPolygon(tri);
    p.end();
    save(img, name);
}

void placeholder()
{
    QImage img(420, 200, QImage::Format_RGB32);
    img.fill(QColor(244, 246, 250));
    QPainter p(&img);
    p.setPen(QColor(120, 130, 150));
    p.setFont(font(20, true));
    p.drawText(QRect(0, 40, 420, 60), Qt::AlignCenter, QStringLiteral("本帐簿中还没有帐户"));
    p.setFont(font(14));
    p.drawText(QRect(0, 100, 420, 40), Qt::AlignCenter, QStringLiteral("请点击“新增帐户”建立帐户"));
    p.end();
    save(img, QStringLiteral("NoAccount.bmp"));
}

void printer()
{
    QImage img(32, 32, QImage::Format_RGB32);
    img.fill(QColor(240, 240, 240));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 3, 14, 10));
    p.setBrush(QColor(110, 120, 135));
    p.drawRoundedRect(QRectF(3, 11, 26, 12), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 19, 14, 10));
    p.drawLine(QPointF(12, 23), QPointF(20, 23));
    p.drawLine(QPointF(12, 26), QPointF(20, 26));
    p.end();
    save(img, QStringLiteral("Printer.bmp"));
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
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        appIcon(size).save(dir + QStringLiteral("Icon%1.png").arg(size));
    noRoom().save(dir + QStringLiteral("NoRoom.png"));
    cardReader().save(dir + QStringLiteral("CardReader.png"));
    computer().save(dir + QStringLiteral("Computer.png"));

    g_dir = dir.chopped(1);
    book(QStringLiteral("CompanyAccount.bmp"), QColor(40, 120, 80), QStringLiteral("全部"));
    book(QStringLiteral("CompanyAccount2.bmp"), QColor(200, 150, 20), QStringLiteral("银行"));
    book(QStringLiteral("CompanyAccount3.bmp"), QColor(120, 60, 160), QStringLiteral("现金"));
    book(QStringLiteral("EmptyAccount.bmp"), QColor(150, 150, 150), QStringLiteral("帐户"));
    coin(QStringLiteral("Money0.ico"), QColor(170, 190, 230), QStringLiteral("0"));
    coin(QStringLiteral("Money-.ico"), QColor(235, 90, 80), QStringLiteral("－"));
    for (int n = 1; n <= 3; ++n) {
        const QString plus(n, QLatin1Char('+'));
        coin(QStringLiteral("Yellow") + plus + QStringLiteral(".ico"), QColor(245, 200, 40), plus);
        coin(QStringLiteral("Purple") + plus + QStringLiteral(".ico"), QColor(170, 110, 220), plus);
    }
    const QColor in(40, 130, 80), out(190, 70, 50), recv(40, 100, 170), pay(170, 100, 40);
    banner(QStringLiteral("NewGet.bmp"), QStringLiteral("财务收入单"), QStringLiteral("新增"), in);
    banner(QStringLiteral("EditGet.bmp"), QStringLiteral("财务收入单"), QStringLiteral("修改"), in);
    banner(QStringLiteral("NewPay.bmp"), QStringLiteral("财务支出单"), QStringLiteral("新增"), out);
    banner(QStringLiteral("EditPay.bmp"), QStringLiteral("财务支出单"), QStringLiteral("修改"), out);
    banner(QStringLiteral("NewGet2.bmp"), QStringLiteral("应收款记录"), QStringLiteral("新增"), recv);
    banner(QStringLiteral("EditGet2.bmp"), QStringLiteral("应收款记录"), QStringLiteral("修改"), recv);
    banner(QStringLiteral("NewPay2.bmp"), QStringLiteral("应付款记录"), QStringLiteral("新增"), pay);
    banner(QStringLiteral("EditPay2.bmp"), QStringLiteral("应付款记录"), QStringLiteral("修改"), pay);
    banner(QStringLiteral("NewDraw.bmp"), QStringLiteral("财务平调单"), QStringLiteral("新增"), QColor(70, 90, 150));
    banner(QStringLiteral("GetList.bmp"), QStringLiteral("应收款"), QStringLiteral("客户欠款"), recv);
    banner(QStringLiteral("PayList.bmp"), QStringLiteral("应付款"), QStringLiteral("欠付款项"), pay);
    // The finance analyses' icons.
    coin(QStringLiteral("YellowTower.ico"), QColor(245, 200, 40), QStringLiteral("帐"));
    coin(QStringLiteral("Customer.ico"), QColor(90, 160, 230), QStringLiteral("客"));
    coin(QStringLiteral("Man.ico"), QColor(110, 190, 120), QStringLiteral("员"));
    coin(QStringLiteral("Reason.ico"), QColor(230, 140, 70), QStringLiteral("类"));
    coin(QStringLiteral("Type.ico"), QColor(170, 110, 220), QStringLiteral("款"));
    coin(QStringLiteral("Token.ico"), QColor(150, 150, 160), QStringLiteral("证"));
    bar(QStringLiteral("LeftBar.bmp"), true);
    bar(QStringLiteral("RightBar.bmp"), false);
    placeholder();
    printer();
    return 0;
}

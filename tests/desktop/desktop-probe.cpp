// desktop-probe: reads what an X server (Xvfb, or weston nested in it) shows, for the checks of the
// real program on real display servers. Commands:
//   locate             prints "X Y": where frmMain's client area starts on the screen, found by the
//                      keypad's first key, whose border is the only (0, 60, 116) in its rows
//   pixel X Y          prints the colour at (X, Y) as RRGGBB
//   wait X Y RRGGBB [not] MS
//                      waits up to MS milliseconds for (X, Y) to show (or stop showing) the colour;
//                      prints the milliseconds it took, exit status 1 when it never did
//   count X Y W H RRGGBB
//                      prints how many pixels of the rectangle show the colour
//   outline RRGGBB MIN prints "X Y W H": the rectangle drawn in the colour on the screen, found by
//                      its sides, the first and last rows and columns with at least MIN pixels of
//                      it; exit status 1 when there is none
//   columns X Y W H RRGGBB
//                      prints a line for each column of the rectangle: how many of its pixels show
//                      the colour, and the rows (counted from Y) of the topmost and the bottommost
//                      of them ("0 -1 -1" when none)
//   grab FILE          saves the whole screen as a PNG
//   colours X Y W H N  prints the N commonest colours of the rectangle, a line "RRGGBB COUNT" each,
//                      the commonest first
//   clipboard          prints "W H": the size of the image on the clipboard (its image/png, else
//                      the image Qt reads from it); exit status 1 when it holds none
#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QMimeData>
#include <QPixmap>
#include <QScreen>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace {
// The keypad's first key "1" sits 120 px from the client area's left edge and 53 px from its top.
constexpr QPoint FirstKey(120, 53);
constexpr QRgb KeypadBorder = 0xFF003C74;

QImage screenshot()
{
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
}

int locate()
{
    const QImage image = screenshot();
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (row[x] != KeypadBorder)
                continue;
            // The first border row is the top of the keys' first row; their left edge is the
            // leftmost border pixel a few rows further down, past the rounded corner.
            const int middle = y + 10;
            const auto* band = reinterpret_cast<const QRgb*>(image.constScanLine(middle));
            int left = 0;
            while (left < image.width() && band[left] != KeypadBorder)
                ++left;
            std::printf("%d %d\n", left - FirstKey.x(), y - FirstKey.y());
            return 0;
        }
    }
    std::fprintf(stderr, "desktop-probe: no keypad on the screen\n");
    return 1;
}

QString colourAt(int x, int y)
{
    return QStringLiteral("%1").arg(screenshot().pixel(x, y) & 0xFFFFFF, 6, 16, QLatin1Char('0')).toUpper();
}

QRgb colourOf(const QString& colour)
{
    return 0xFF000000 | colour.toUInt(nullptr, 16);
}

int count(const QRect& box, const QString& colour)
{
    const QImage image = screenshot();
    const QRgb wanted = colourOf(colour);
    int found = 0;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x)
            found += image.valid(x, y) && image.pixel(x, y) == wanted;
    }
    std::printf("%d\n", found);
    return 0;
}

int outline(const QString& colour, int least)
{
    const QImage image = screenshot();
    const QRgb wanted = colourOf(colour);
    QList<int> inRow(image.height()), inColumn(image.width());
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (row[x] == wanted) {
                ++inRow[y];
                ++inColumn[x];
            }
        }
    }
    const auto side = [least](auto from, auto to) {
        const auto found = std::find_if(from, to, [least](int n) { return n >= least; });
        return found == to ? -1 : int(std::distance(from, found));
    };
    const int top = side(inRow.cbegin(), inRow.cend());
    const int left = side(inColumn.cbegin(), inColumn.cend());
    const int bottom = image.height() - 1 - side(inRow.crbegin(), inRow.crend());
    const int right = image.width() - 1 - side(inColumn.crbegin(), inColumn.crend());
    if (top < 0 || left < 0 || bottom <= top || right <= left) {
        std::fprintf(stderr, "desktop-probe: no outline of %s on the screen\n", qPrintable(colour));
        return 1;
    }
    std::printf("%d %d %d %d\n", left, top, right - left + 1, bottom - top + 1);
    return 0;
}

int columns(const QRect& box, const QString& colour)
{
    const QImage image = screenshot();
    const QRgb wanted = colourOf(colour);
    for (int x = box.left(); x <= box.right(); ++x) {
        int found = 0, topmost = -1, bottommost = -1;
        for (int y = box.top(); y <= box.bottom(); ++y) {
            if (image.valid(x, y) && image.pixel(x, y) == wanted) {
                ++found;
                bottommost = y - box.top();
                if (topmost < 0)
                    topmost = bottommost;
            }
        }
        std::printf("%d %d %d\n", found, topmost, bottommost);
    }
    return 0;
}

int colours(const QRect& box, int most)
{
    const QImage image = screenshot();
    QHash<QRgb, int> seen;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            if (image.valid(x, y))
                ++seen[image.pixel(x, y) & 0xFFFFFF];
        }
    }
    QList<std::pair<int, QRgb>> ranked;
    for (auto it = seen.cbegin(); it != seen.cend(); ++it)
        ranked.append({it.value(), it.key()});
    std::sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    for (qsizetype i = 0; i < std::min<qsizetype>(most, ranked.size()); ++i)
        std::printf("%06X %d\n", ranked[i].second, ranked[i].first);
    return 0;
}

// The image as the clipboard's owner gives it: the PNG bytes when there are any, so that the size
// is the one that was put there, not one the platform converted.
int clipboardImage()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QImage image;
    if (data && data->hasFormat(QStringLiteral("image/png")))
        image = QImage::fromData(data->data(QStringLiteral("image/png")), "PNG");
    else if (data && data->hasImage())
        image = qvariant_cast<QImage>(data->imageData());
    if (image.isNull()) {
        std::fprintf(stderr, "desktop-probe: no image on the clipboard\n");
        return 1;
    }
    std::printf("%d %d\n", image.width(), image.height());
    return 0;
}

int wait(int x, int y, const QString& colour, bool shown, int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    do {
        if ((colourAt(x, y) == colour.toUpper()) == shown) {
            std::printf("%lld\n", static_cast<long long>(clock.elapsed()));
            return 0;
        }
        QThread::msleep(5);
    } while (clock.elapsed() < milliseconds);
    std::printf("never (%s)\n", qPrintable(colourAt(x, y)));
    return 1;
}
} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments().mid(1);
    const QString command = args.value(0);
    if (command == u"locate" && args.size() == 1)
        return locate();
    if (command == u"pixel" && args.size() == 3) {
        std::printf("%s\n", qPrintable(colourAt(args[1].toInt(), args[2].toInt())));
        return 0;
    }
    if (command == u"wait" && (args.size() == 5 || args.size() == 6)) {
        const bool shown = args.size() == 5;
        return wait(args[1].toInt(), args[2].toInt(), args[3], shown, args.last().toInt());
    }
    if (command == u"count" && args.size() == 6)
        return count(QRect(args[1].toInt(), args[2].toInt(), args[3].toInt(), args[4].toInt()), args[5]);
    if (command == u"outline" && args.size() == 3)
        return outline(args[1], args[2].toInt());
    if (command == u"columns" && args.size() == 6)
        return columns(QRect(args[1].toInt(), args[2].toInt(), args[3].toInt(), args[4].toInt()), args[5]);
    if (command == u"grab" && args.size() == 2)
        return screenshot().save(args[1]) ? 0 : 1;
    if (command == u"colours" && args.size() == 6)
        return colours(QRect(args[1].toInt(), args[2].toInt(), args[3].toInt(), args[4].toInt()), args[5].toInt());
    if (command == u"clipboard" && args.size() == 1)
        return clipboardImage();
    std::fprintf(stderr, "usage: desktop-probe locate | pixel X Y | wait X Y RRGGBB [not] MS | count X Y W H RRGGBB | "
                         "grab FILE | colours X Y W H N | clipboard\n");
    return 64;
}

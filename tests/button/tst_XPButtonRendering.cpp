// The button's look to the pixel: ring lines per style and state, border, gradient, the disabled
// look, the window shape, the dotted rectangle, the icon and the caption's place.
#include "ButtonDriver.h"
#include "DesignColor.h"

#include <QtTest>

#include <cmath>
#include <memory>

using namespace pellitor;
using namespace pellitor::testing;

namespace {
constexpr int W = 75;
constexpr int H = 23;
constexpr QRgb Backdrop = qRgb(255, 0, 255);

std::unique_ptr<XPButton> makeButton(int style, const QString& caption = QString())
{
    auto button = std::make_unique<XPButton>();
    button->resize(W, H);
    button->InitProperties();
    button->setCaption(caption);
    button->setColorStyle(style);
    return button;
}

enum class State { Normal, Hover, Focus, Pressed, FocusHover, FocusPressed };

void enter(XPButton& button, FakePointer& pointer, State state)
{
    if (state == State::Focus || state == State::FocusHover || state == State::FocusPressed)
        focus(button);
    if (state == State::Hover || state == State::FocusHover)
        hover(button, pointer);
    if (state == State::Pressed || state == State::FocusPressed)
        pressLeft(button);
}

// Whether pixel lies on row y of the vertical gradient from top (row 0) to bottom (row H - 1):
// each channel interpolated linearly between the two 0x00BBGGRR colours, rounded either way.
bool onGradient(QRgb pixel, quint32 top, quint32 bottom, int y)
{
    const int shown[3] = {qRed(pixel), qGreen(pixel), qBlue(pixel)};
    for (int channel = 0; channel < 3; ++channel) {
        const int from = int((top >> (8 * channel)) & 0xFF);
        const int to = int((bottom >> (8 * channel)) & 0xFF);
        const double exact = (from * double(H - 1 - y) + to * double(y)) / (H - 1);
        if (shown[channel] < std::floor(exact) || shown[channel] > std::ceil(exact))
            return false;
    }
    return true;
}

// The eight probe points, one in the middle of each ring line, in drawing order.
const QPoint ringProbes[8] = {{W / 2, 1}, {1, H / 2}, {W / 2, H - 3}, {W - 3, H / 2},
                              {W / 2, 2}, {2, H / 2}, {W / 2, H - 4}, {W - 4, H / 2}};

QImage testIcon(bool mask)
{
    // 8 x 8; the opaque part is the 4 x 4 square from (2, 2): blue in the icon, black in the mask.
    QImage image(8, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            const bool opaque = x >= 2 && x < 6 && y >= 2 && y < 6;
            image.setPixel(x, y,
                           mask ? (opaque ? qRgb(0, 0, 0) : qRgb(255, 255, 255))
                                : (opaque ? qRgb(0, 0, 255) : qRgb(0, 0, 0)));
        }
    }
    return image;
}

// The columns where image differs from reference.
std::pair<int, int> inkColumns(const QImage& image, const QImage& reference)
{
    int first = -1;
    int last = -1;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (image.pixel(x, y) != reference.pixel(x, y)) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
        }
    }
    return {first, last};
}
} // namespace

Q_DECLARE_METATYPE(State)

class tst_XPButtonRendering : public QObject {
    Q_OBJECT

private slots:
    void ringLines_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<State>("state");
        QTest::addColumn<QList<quint32>>("colors"); // NotDrawn: the line is not drawn
        QTest::newRow("1 hover") << 1 << State::Hover << ring::Hover1;
        QTest::newRow("2 hover") << 2 << State::Hover << ring::Hover1;
        QTest::newRow("3 hover") << 3 << State::Hover << ring::Hover3;
        QTest::newRow("1 focus") << 1 << State::Focus << ring::Focus1;
        QTest::newRow("2 focus") << 2 << State::Focus << ring::Focus2;
        QTest::newRow("3 focus") << 3 << State::Focus << ring::Focus3;
        QTest::newRow("1 pressed") << 1 << State::Pressed << ring::Pressed1;
        QTest::newRow("2 pressed") << 2 << State::Pressed << ring::Pressed2;
        QTest::newRow("3 pressed") << 3 << State::Pressed << ring::Pressed3;
    }
    void ringLines()
    {
        QFETCH(int, style);
        QFETCH(State, state);
        QFETCH(QList<quint32>, colors);
        FakePointer pointer;
        auto button = makeButton(style);
        button->setFocusDottedRect(false);
        enter(*button, pointer, state);
        const QImage image = render(*button);
        for (int line = 0; line < 8; ++line) {
            const QPoint at = ringProbes[line];
            // Not drawn: the pressed gradient shows, the same along the whole row.
            const bool shown = colors[line] == NotDrawn ? onGradient(image.pixel(at), 0xBDABAC, 0xFFFFFF, at.y())
                                                        : image.pixel(at) == bgr(colors[line]);
            QVERIFY2(shown, qPrintable(QStringLiteral("line %1").arg(line + 1)));
        }
    }

    void ringLinesStopShortOfTheirEnds()
    {
        FakePointer pointer;
        auto button = makeButton(1);
        enter(*button, pointer, State::Hover);
        const QImage image = render(*button);
        QVERIFY(onGradient(image.pixel(1, 1), 0xFBFCFC, 0xEAF0F0, 1)); // open corners of the outer ring
        QCOMPARE(image.pixel(W - 3, 1), image.pixel(1, 1));
        QCOMPARE(image.pixel(2, 1), bgr(ring::Hover1[0]));     // outer top runs from x = 2 ...
        QCOMPARE(image.pixel(W - 4, 1), bgr(ring::Hover1[0])); // ... to W - 4
        QCOMPARE(image.pixel(W - 3, 2), bgr(0x69CAFC));        // inner top leaves the outer right alone
        QCOMPARE(image.pixel(2, H - 4), bgr(0x30B3F8));        // inner bottom drawn over inner left
        QCOMPARE(image.pixel(W - 4, H - 4), bgr(0x61C7FA));    // inner right drawn last
    }

    void borderAndGradient_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<bool>("pressed");
        QTest::addColumn<quint32>("border");
        QTest::addColumn<quint32>("top");
        QTest::addColumn<quint32>("bottom");
        QTest::newRow("1") << 1 << false << border::Blue << 0xFBFCFCu << 0xEAF0F0u;
        QTest::newRow("2") << 2 << false << border::Blue << 0xFFFFFFu << 0xD7C5C6u;
        QTest::newRow("3") << 3 << false << border::Green << 0xF2FFFEu << 0xDBEEF3u;
        QTest::newRow("1 pressed") << 1 << true << border::Blue << 0xDDE4E5u << 0xDAE2E2u;
        QTest::newRow("2 pressed, reversed") << 2 << true << border::Blue << 0xBDABACu << 0xFFFFFFu;
        QTest::newRow("3 pressed") << 3 << true << border::Green << 0xD2E6EEu << 0xCEE4ECu;
    }
    void borderAndGradient()
    {
        QFETCH(int, style);
        QFETCH(bool, pressed);
        QFETCH(quint32, border);
        QFETCH(quint32, top);
        QFETCH(quint32, bottom);
        FakePointer pointer;
        auto button = makeButton(style);
        enter(*button, pointer, pressed ? State::Pressed : State::Normal);
        const QImage image = render(*button);
        for (const QPoint at : {QPoint(W / 2, 0), QPoint(0, H / 2), QPoint(W - 2, H / 2), QPoint(W / 2, H - 2)})
            QCOMPARE(image.pixel(at), bgr(border));
        QCOMPARE(image.pixel(W - 1, H / 2), Backdrop); // the shape ends before the last column
        QCOMPARE(image.pixel(W / 2, H - 1), Backdrop);
        // Rows 1 and H - 3 carry the pressed ring.
        for (int y : pressed ? QList<int>{3, H / 2, H - 5} : QList<int>{1, 3, H / 2, H - 5, H - 3})
            QVERIFY2(onGradient(image.pixel(W / 2, y), top, bottom, y), qPrintable(QStringLiteral("row %1").arg(y)));
    }

    void disabledLookIgnoresStyleFlagsAndForeColor()
    {
        FakePointer pointer;
        QImage first;
        for (int style : {1, 2, 3}) {
            auto button = makeButton(style, QStringLiteral("Calculate"));
            button->setForeColor(0x0000FF);
            enter(*button, pointer, State::FocusPressed);
            hover(*button, pointer);
            button->setEnabledFlag(false);
            const QImage image = render(*button);
            if (first.isNull())
                first = image;
            QCOMPARE(image, first);
        }
        QCOMPARE(first.pixel(4, 4), bgr(0xEAF4F5));
        QCOMPARE(first.pixel(W - 5, H - 4), bgr(0xEAF4F5));
        QCOMPARE(first.pixel(W / 2, 0), bgr(border::Disabled));
        QCOMPARE(first.pixel(0, H / 2), bgr(border::Disabled));
        bool captionInDisabledColour = false;
        for (int y = 0; y < H; ++y) {
            for (int x = 3; x < W - 4; ++x) {
                const QRgb pixel = first.pixel(x, y);
                QVERIFY(qRed(pixel) <= qBlue(pixel) + 16); // no trace of the red ForeColor
                captionInDisabledColour |= y > 3 && y < H - 4 && pixel == bgr(border::Disabled);
            }
        }
        QVERIFY(captionInDisabledColour);
    }

    void windowShape_data()
    {
        QTest::addColumn<int>("rounded");
        QTest::addColumn<QList<QPoint>>("inside");
        QTest::addColumn<QList<QPoint>>("outside");
        QTest::newRow("5") << 5 << QList<QPoint>{{1, 0}, {0, 1}, {1, 1}, {W - 3, 0}, {W - 2, 1}, {1, H - 2}}
                           << QList<QPoint>{{0, 0}, {W - 2, 0}, {0, H - 2}, {W - 2, H - 2}, {W - 1, 5}, {5, H - 1}};
        QTest::newRow("0") << 0 << QList<QPoint>{{0, 0}, {W - 2, 0}, {0, H - 2}, {W - 2, H - 2}}
                           << QList<QPoint>{{W - 1, 0}, {0, H - 1}, {W - 1, H - 1}};
        QTest::newRow("10") << 10 << QList<QPoint>{{3, 0}, {1, 1}, {0, 3}, {W - 2, 3}}
                            << QList<QPoint>{{2, 0}, {0, 2}, {W - 4, 0}, {W - 2, 2}, {0, 0}};
    }
    void windowShape()
    {
        QFETCH(int, rounded);
        QFETCH(QList<QPoint>, inside);
        QFETCH(QList<QPoint>, outside);
        auto button = makeButton(1);
        button->setRoundedValue(rounded);
        const QImage image = render(*button);
        for (const QPoint& at : inside)
            QVERIFY2(button->mask().contains(at), qPrintable(QStringLiteral("(%1, %2)").arg(at.x()).arg(at.y())));
        for (const QPoint& at : outside) {
            QVERIFY2(!button->mask().contains(at), qPrintable(QStringLiteral("(%1, %2)").arg(at.x()).arg(at.y())));
            QCOMPARE(image.pixel(at), Backdrop);
        }
        // The border runs along the shape's edge, square or cut.
        QCOMPARE(image.pixel(inside.first()), bgr(border::Blue));
    }

    void dottedRect_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<State>("state");
        QTest::addColumn<bool>("dottedRect");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("dotted");
        QTest::newRow("focus") << 1 << State::Focus << true << true << true;
        QTest::newRow("focus, FocusDottedRect off") << 1 << State::Focus << false << true << false;
        QTest::newRow("focus and hover") << 2 << State::FocusHover << true << true << false;
        QTest::newRow("pressed and focused") << 3 << State::FocusPressed << true << true << true;
        QTest::newRow("pressed, no focus") << 1 << State::Pressed << true << true << false;
        QTest::newRow("focus, disabled") << 1 << State::Focus << true << false << false;
        QTest::newRow("style 0, hover") << 0 << State::Hover << true << true << true;
        QTest::newRow("style 4, focus") << 4 << State::Focus << true << true << false;
    }
    void dottedRect()
    {
        QFETCH(int, style);
        QFETCH(State, state);
        QFETCH(bool, dottedRect);
        QFETCH(bool, enabled);
        QFETCH(bool, dotted);
        FakePointer pointer;
        auto button = makeButton(style);
        button->setFocusDottedRect(dottedRect);
        enter(*button, pointer, state);
        button->setEnabledFlag(enabled);
        const QImage image = render(*button);
        const QRgb black = qRgb(0, 0, 0);
        // Every second pixel on the inner ring's lines, from x = 3 to W - 5 and y = 4 to H - 4.
        for (const QPoint at : {QPoint(3, 2), QPoint(W - 6, 2), QPoint(3, H - 4), QPoint(2, 4), QPoint(2, H - 5),
                                QPoint(W - 4, 4), QPoint(W - 4, H - 5)})
            QCOMPARE(image.pixel(at) == black, dotted);
        for (const QPoint at : {QPoint(4, 2), QPoint(W - 4, 2), QPoint(2, 5), QPoint(2, H - 4), QPoint(W - 4, 5)})
            QVERIFY(image.pixel(at) != black);
        if (style < 1 || style > 3) // nothing else is drawn: the background shows
            QCOMPARE(image.pixel(W / 2, H / 2), button->palette().color(QPalette::Button).rgb());
    }

    void icon_data()
    {
        QTest::addColumn<int>("alignment");
        QTest::addColumn<bool>("withMask");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("x"); // where the icon's top-left lands, or -1 for no icon
        QTest::addColumn<QRgb>("shape");
        QTest::newRow("left") << 1 << true << true << 5 << qRgb(0, 0, 255);
        QTest::newRow("right") << 2 << true << true << W - 8 - 5 << qRgb(0, 0, 255);
        QTest::newRow("left, disabled") << 1 << true << false << 5 << bgr(0x99A8AC);
        QTest::newRow("right, disabled") << 2 << true << false << W - 8 - 5 << bgr(0x99A8AC);
        QTest::newRow("alignment 3") << 3 << true << true << -1 << QRgb(0);
        QTest::newRow("no mask") << 1 << false << true << -1 << QRgb(0);
    }
    void icon()
    {
        QFETCH(int, alignment);
        QFETCH(bool, withMask);
        QFETCH(bool, enabled);
        QFETCH(int, x);
        QFETCH(QRgb, shape);
        auto button = makeButton(1);
        button->setEnabledFlag(enabled);
        const QImage plain = render(*button);
        button->setIcon(testIcon(false));
        if (withMask)
            button->setIconMask(testIcon(true));
        button->setIconAlignment(alignment);
        const QImage image = render(*button);
        if (x < 0) {
            QCOMPARE(image, plain);
            return;
        }
        const int y = 8; // round(23 / 2 - 8 / 2) = round(7.5), halves to even
        QCOMPARE(image.pixel(x + 2, y + 2), shape);
        QCOMPARE(image.pixel(x + 5, y + 5), shape);
        QCOMPARE(image.pixel(x + 1, y + 2), enabled ? plain.pixel(x + 1, y + 2) : qRgb(255, 255, 255));
        QCOMPARE(image.pixel(x + 6, y + 5), enabled ? plain.pixel(x + 6, y + 5) : qRgb(255, 255, 255));
        QCOMPARE(image.pixel(x + 2, y - 1), plain.pixel(x + 2, y - 1));
    }

    void captionPlace_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<int>("first"); // first and last columns with ink; -1: no caption
        QTest::addColumn<int>("last");
        // 100 twips are 6.67 pixels: the text starts at x = 7, or ends 7 pixels from the edge.
        QTest::newRow("left") << 1 << 0 << 7 << -1;
        QTest::newRow("right") << 1 << 1 << -1 << W - 7;
        QTest::newRow("alignment 3") << 1 << 3 << -1 << -1;
        QTest::newRow("style 4") << 4 << 2 << -1 << -1;
    }
    void captionPlace()
    {
        QFETCH(int, style);
        QFETCH(int, alignment);
        QFETCH(int, first);
        QFETCH(int, last);
        auto button = makeButton(style);
        const QImage blank = render(*button);
        button->setCaption(QStringLiteral("HIH"));
        button->setCaptionAlignment(alignment);
        const auto [from, to] = inkColumns(render(*button), blank);
        if (first < 0 && last < 0) {
            QCOMPARE(from, -1);
            return;
        }
        // A glyph's side bearing may leave one blank column at either end.
        if (first >= 0)
            QVERIFY2(from >= first && from <= first + 1, qPrintable(QString::number(from)));
        if (last >= 0)
            QVERIFY2(to >= last - 2 && to <= last - 1, qPrintable(QString::number(to)));
    }

    void captionRow()
    {
        auto button = makeButton(1);
        const QImage blank = render(*button);
        button->setCaption(QStringLiteral("HIH"));
        const QImage image = render(*button);
        // The same text drawn with its top at row 0 tells where the ink starts below the top.
        const QFontMetrics metrics(button->font());
        QImage reference(W, metrics.height(), QImage::Format_RGB32);
        reference.fill(Qt::white);
        QPainter painter(&reference);
        painter.setFont(button->font());
        painter.drawText(QPoint(0, metrics.ascent()), QStringLiteral("HIH"));
        painter.end();
        const auto firstInkRow = [](const QImage& picture, const QImage& background) {
            for (int y = 0; y < picture.height(); ++y)
                for (int x = 0; x < picture.width(); ++x)
                    if (picture.pixel(x, y) != background.pixel(x, y))
                        return y;
            return -1;
        };
        QImage white(reference.size(), QImage::Format_RGB32);
        white.fill(Qt::white);
        // The text's top lies 20 twips above vertical centring, in twips of 15 to the pixel.
        const int topTwips = int(std::nearbyint(H * 15 * 0.5 - (metrics.height() * 15 * 0.5 + 20)));
        const int top = int(std::nearbyint(topTwips / 15.0));
        QCOMPARE(firstInkRow(image, blank), top + firstInkRow(reference, white));
    }

    void repaintingDoesNotFeedItself()
    {
        QWidget window;
        window.resize(200, 100);
        auto button = new XPButton(&window);
        button->setGeometry(10, 10, W, H);
        button->InitProperties();
        int paints = 0;
        struct Counter : QObject {
            int* count;
            explicit Counter(int* c) : count(c) {}
            bool eventFilter(QObject*, QEvent* event) override
            {
                *count += event->type() == QEvent::Paint;
                return false;
            }
        } counter(&paints);
        button->installEventFilter(&counter);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(paints > 0);
        const int settled = paints;
        QTest::qWait(150);
        QCOMPARE(paints, settled);
        button->setRoundedValue(9); // a new shape asks for one repaint, not a stream of them
        QTest::qWait(150);
        QVERIFY(paints - settled <= 2);
    }
};

QTEST_MAIN(tst_XPButtonRendering)
#include "tst_XPButtonRendering.moc"

// Renders every colour style in every state, with icons and caption alignments, into one PNG
// (and a four-times enlargement) so that the look can be checked by eye. It fails when a look
// of styles 1 to 3 shows no border of its style or does not differ from the normal look.
// Usage: xpbutton_gallery OUTPUT.png
#include "ButtonDriver.h"
#include "DesignColor.h"
#include "XPButton.h"

#include <QApplication>
#include <QPainter>

#include <cstdio>
#include <functional>
#include <vector>

using namespace pellitor;
using namespace pellitor::testing;

namespace {
constexpr QSize Cell(96, 32);
const QSize ButtonSize(88, 24);

QImage iconPicture(bool mask)
{
    // A 12 x 12 diamond: the mask is black on the diamond, the icon blue there and black around.
    QImage image(12, 12, QImage::Format_RGB32);
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 12; ++x) {
            const bool on = std::abs(x - 5.5) + std::abs(y - 5.5) <= 6;
            image.setPixel(x, y,
                           mask ? (on ? qRgb(0, 0, 0) : qRgb(255, 255, 255))
                                : (on ? qRgb(30, 90, 220) : qRgb(0, 0, 0)));
        }
    }
    return image;
}
// Counts what is wrong with one look: a style's border colours (0x00BBGGRR) on the top edge,
// the greyed one when disabled, and a state that draws like the normal look. The first look
// of a row is kept as that row's normal.
int checkLook(const QImage& look, int style, const QString& state, QImage* keep, const QImage& normal)
{
    if (style < 1 || style > 3)
        return 0;
    const quint32 border = state.contains(QLatin1String("disabled")) ? border::Disabled
                                                                     : (style == 3 ? border::Green : border::Blue);
    int faults = 0;
    if (look.pixel(look.width() / 2, 0) != bgr(border)) {
        std::fprintf(stderr, "xpbutton_gallery: style %d, %s: no border of its colour\n", style, qPrintable(state));
        ++faults;
    }
    if (keep) {
        *keep = look;
    } else if (look == normal) {
        std::fprintf(stderr, "xpbutton_gallery: style %d, %s: looks normal\n", style, qPrintable(state));
        ++faults;
    }
    return faults;
}
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: xpbutton_gallery OUTPUT.png\n");
        return 2;
    }
    FakePointer pointer;

    using Setup = std::function<void(XPButton&)>;
    const std::vector<std::pair<const char*, Setup>> states = {
        {"normal", [](XPButton&) {}},
        {"hover", [&](XPButton& b) { hover(b, pointer); }},
        {"focus", [](XPButton& b) { focus(b); }},
        {"focus+hover",
         [&](XPButton& b) {
             focus(b);
             hover(b, pointer);
         }},
        {"pressed", [](XPButton& b) { pressLeft(b); }},
        {"pressed+focus",
         [](XPButton& b) {
             focus(b);
             pressLeft(b);
         }},
        {"disabled", [](XPButton& b) { b.setEnabledFlag(false); }},
        {"icon left",
         [](XPButton& b) {
             b.setIcon(iconPicture(false));
             b.setIconMask(iconPicture(true));
         }},
        {"icon right",
         [](XPButton& b) {
             b.setIcon(iconPicture(false));
             b.setIconMask(iconPicture(true));
             b.setIconAlignment(2);
         }},
        {"icon disabled",
         [](XPButton& b) {
             b.setIcon(iconPicture(false));
             b.setIconMask(iconPicture(true));
             b.setEnabledFlag(false);
         }},
        {"caption left", [](XPButton& b) { b.setCaptionAlignment(0); }},
        {"caption right", [](XPButton& b) { b.setCaptionAlignment(1); }},
    };
    const int styles[] = {1, 2, 3, 0};

    QImage gallery(Cell.width() * int(states.size()), Cell.height() * int(std::size(styles)), QImage::Format_RGB32);
    gallery.fill(qRgb(236, 233, 216));
    QPainter painter(&gallery);
    int faults = 0;
    QImage normal;
    for (int row = 0; row < int(std::size(styles)); ++row) {
        for (int column = 0; column < int(states.size()); ++column) {
            XPButton button;
            button.resize(ButtonSize);
            button.InitProperties();
            button.setCaption(QStringLiteral("Calculate"));
            button.setColorStyle(styles[row]);
            states[column].second(button);
            const QImage look = render(button, qRgb(236, 233, 216));
            painter.drawImage(QPoint(column * Cell.width() + 4, row * Cell.height() + 4), look);
            faults += checkLook(look, styles[row], states[column].first, column == 0 ? &normal : nullptr, normal);
        }
    }
    painter.end();

    const QString path = QString::fromLocal8Bit(argv[1]);
    QString large = path;
    large.replace(QStringLiteral(".png"), QStringLiteral("-x4.png"));
    if (!gallery.save(path) || !gallery.scaled(gallery.size() * 4).save(large)) {
        std::fprintf(stderr, "xpbutton_gallery: cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("xpbutton_gallery: wrote %s and %s\n", qPrintable(path), qPrintable(large));
    return faults == 0 ? 0 : 1;
}

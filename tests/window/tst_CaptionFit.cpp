// Every caption of both windows fits its control in every language, as the design font draws it
// at scale 1: the pixels that a caption adds to its real widget lie inside the control's room for
// text and over no other control. The controls keep their fixed sizes; a translation that does
// not fit must be shortened.
#include "CaptionFrame.h"
#include "GraphLink.h"
#include "GraphWindow.h"
#include "Translations.h"
#include "WindowDriver.h"
#include "frmF2.h"
#include "frmMain.h"

#include <QDir>
#include <QLabel>
#include <QLayout>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <optional>

using namespace pellitor;
using namespace pellitor::testing;

namespace {

// English, the window's own, and every language the build compiled a translation for.
QStringList languages()
{
    QStringList found{"en"};
    const QDir folder(QCoreApplication::applicationDirPath() + "/translations");
    for (const QString& file : folder.entryList({"pellitor_*.qm"}, QDir::Files, QDir::Name))
        found << file.mid(int(strlen("pellitor_"))).chopped(int(strlen(".qm")));
    return found;
}

// A captioned control: its caption, how to change it, and the room its text may use, in its own
// coordinates.
struct Captioned {
    QString caption;
    std::function<void(const QString&)> setCaption;
    QRect room;
};

std::optional<Captioned> captioned(QWidget* widget)
{
    // Text that reaches a widget's right or bottom edge may be cut off there.
    const QRect inside = widget->rect().adjusted(0, 0, -1, -1);
    if (auto* button = qobject_cast<XPButton*>(widget)) {
        // Inside the border and the two-pixel ring of hover, focus and pressed lines; vertically
        // inside the ring's outer line only, which the English caption of the 16-pixel
        // Insert button reaches.
        return Captioned{button->Caption(), [button](const QString& text) { button->setCaption(text); },
                         widget->rect().adjusted(3, 2, -3, -2)};
    }
    if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(radio);
        option.text = radio->text();
        const QRect contents = radio->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, radio);
        return Captioned{radio->text(), [radio](const QString& text) { radio->setText(text); }, contents & inside};
    }
    if (auto* label = qobject_cast<QLabel*>(widget))
        return Captioned{label->text(), [label](const QString& text) { label->setText(text); },
                         label->contentsRect() & inside};
    if (auto* frame = qobject_cast<CaptionFrame*>(widget)) {
        // Between the frame's left and right lines, each a shadow and a highlight pixel wide.
        return Captioned{frame->accessibleName(), [frame](const QString& text) { frame->setCaption(text); },
                         widget->rect().adjusted(2, 0, -2, 0)};
    }
    return std::nullopt;
}

// The bounding box of the pixels where the two pictures differ.
QRect difference(const QImage& a, const QImage& b)
{
    QRect box;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

// The controls of a window: its children with a name, frames and what they hold.
QList<QWidget*> controlsOf(const QWidget& window)
{
    QList<QWidget*> controls;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->objectName().isEmpty() && widget->isVisibleTo(&window)
            && (widget->parentWidget() == &window || qobject_cast<CaptionFrame*>(widget->parentWidget())))
            controls << widget;
    }
    return controls;
}

// Where each captioned control's caption puts its pixels, in the window's coordinates: the pixels
// that differ when the caption is taken away.
struct Caption {
    QWidget* control;
    Captioned entry;
    QRect ink;
};

QList<Caption> captionsOf(const QWidget& window)
{
    QList<Caption> captions;
    for (QWidget* control : controlsOf(window)) {
        std::optional<Captioned> entry = captioned(control);
        if (!entry || entry->caption.isEmpty())
            continue;
        const QImage with = control->grab().toImage();
        entry->setCaption(QString());
        const QImage without = control->grab().toImage();
        entry->setCaption(entry->caption);
        captions << Caption{control, *entry, difference(with, without)};
    }
    return captions;
}

QString describe(const QRect& r)
{
    return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// The problems of every caption of window: pixels outside its room, or over another control.
// A label paints nothing but its text, so another caption may run into its rectangle as long as
// it keeps clear of its text.
QStringList problems(const QWidget& window)
{
    QStringList found;
    const QList<Caption> captions = captionsOf(window);
    const QList<QWidget*> controls = controlsOf(window);
    for (const Caption& caption : captions) {
        const QString what = QStringLiteral("%1 \"%2\" %3")
                                 .arg(caption.control->objectName(), caption.entry.caption, describe(caption.ink));
        if (caption.control->grab().size() != caption.control->size())
            found << what + ": not drawn at scale 1";
        if (caption.ink.isEmpty())
            found << what + ": shows nothing";
        else if (!caption.entry.room.contains(caption.ink))
            found << what + ": outside its room " + describe(caption.entry.room);
        const QRect ink(caption.control->mapTo(&window, caption.ink.topLeft()), caption.ink.size());
        for (const QWidget* other : controls) {
            if (other == caption.control || other->isAncestorOf(caption.control))
                continue;
            QRect area(other->mapTo(&window, QPoint(0, 0)), other->size());
            if (qobject_cast<const QLabel*>(other)) {
                const auto label = std::find_if(captions.begin(), captions.end(),
                                                [other](const Caption& c) { return c.control == other; });
                area = label == captions.end() ? QRect()
                                               : QRect(other->mapTo(&window, label->ink.topLeft()), label->ink.size());
            }
            if (ink.intersects(area))
                found << what + ": over " + other->objectName();
        }
    }
    return found;
}

// The longest texts that the graph window's readout and status line show, with numbers as long as
// a readout's get.
QStringList longestGraphTexts()
{
    const auto trace = [](const char* source) {
        return QCoreApplication::translate("pellitor::graph::GraphTrace", source);
    };
    const QString x = QStringLiteral("-1.23456791E-05");
    const QString y = QStringLiteral("-1,234,567.0000");
    return {trace("x = %1").arg(x) + "   " + trace("y = %1").arg(y),
            trace("minimum at x = %1; y = %2").arg(x, y),
            trace("maximum at x = %1, y = %2").arg(x, y),
            trace("no minimum or maximum to the right within 100 view widths"),
            trace("no pole, gap or jump to the left within 100 view widths"),
            QCoreApplication::translate("pellitor::graph::GraphCanvas",
                                        "Finest view: neighbouring pixels would show the same 32-bit x."),
            QCoreApplication::translate("pellitor::graph::GraphSound", "The sound device could not play the sound.")};
}

// Why label at its size cannot show text whole: the label reaches beyond its window, a line is
// wider than its room, or it has more lines than its height holds.
QString cutShort(QLabel& label, const QString& text)
{
    label.setText(text);
    if (!label.window()->rect().contains(label.geometry()))
        return QStringLiteral("the label reaches beyond the window");
    const QRect room = label.contentsRect();
    const QRect ink = label.fontMetrics().boundingRect(room, label.wordWrap() ? Qt::TextWordWrap : 0, text);
    if (ink.width() > room.width())
        return QStringLiteral("a line %1 px wide in %2 px").arg(ink.width()).arg(room.width());
    if (ink.height() > room.height())
        return QStringLiteral("%1 px high in %2 px").arg(ink.height()).arg(room.height());
    return {};
}

} // namespace

class tst_CaptionFit : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The seven languages the window speaks besides English, at least.
        QVERIFY2(languages().size() >= 8, qPrintable(languages().join(", ")));
    }

    void captions_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString& language : languages())
            QTest::newRow(qPrintable(language)) << language;
    }
    void captions()
    {
        QFETCH(QString, language);
        const Translations translations({language}, QCoreApplication::applicationDirPath());
        QCOMPARE(translations.language(), language == "en" ? QString() : language);
        frmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        frmF2 about(&window);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        const QStringList found = problems(window) + problems(about);
        QVERIFY2(found.isEmpty(), qPrintable(language + ": " + found.join("; ")));
    }

    // The graph window at its smallest size shows its longest readout and status texts whole,
    // in more lines where they need them.
    void graphTexts_data() { captions_data(); }
    void graphTexts()
    {
        QFETCH(QString, language);
        const Translations translations({language}, QCoreApplication::applicationDirPath());
        frmMain window;
        window.show();
        window.showGraph();
        graph::GraphWindow* graph = window.graphLink()->graphWindow();
        QVERIFY(graph);
        graph->resize(graph->minimumSize());
        QVERIFY(QTest::qWaitForWindowExposed(graph));
        auto* readout = graph->findChild<QLabel*>("readout");
        auto* status = graph->findChild<QLabel*>("status");
        QStringList found;
        for (const QString& text : longestGraphTexts()) {
            // Both labels hold a long text at once, as they may.
            readout->setText(text);
            status->setText(text);
            graph->layout()->activate();
            for (QLabel* label : {readout, status}) {
                if (const QString why = cutShort(*label, text); !why.isEmpty())
                    found << label->objectName() + " \"" + text + "\": " + why;
            }
        }
        QVERIFY2(found.isEmpty(), qPrintable(language + ": " + found.join("; ")));
    }
};

QTEST_MAIN(tst_CaptionFit)
#include "tst_CaptionFit.moc"

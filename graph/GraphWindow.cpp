// The graph window, its status line, and the picture saved or copied.
#include "GraphWindow.h"

#include "Evaluation.h"
#include "GraphActions.h"
#include "GraphCanvas.h"
#include "GraphPrint.h"
#include "MessageBox.h"
#include "MiddleEllipsis.h"
#include "PictureFile.h"
#include "PlotPainter.h"
#include "Question.h"
#include "SaveDialog.h"
#include "TableWindow.h"
#include "ViewNavigator.h"
#include "ViewRangeDialog.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

namespace pellitor::graph {

namespace {
// The status line quotes at most this much of a message (a refused expression's may quote a name
// of millions of characters), shortened in the middle.
constexpr qsizetype LongestStatus = 200;

// A label whose text wraps at its width and never widens the window: the window keeps its
// smallest size in every language, and a long message takes more lines instead.
void wrapWithinTheWindow(QLabel* label)
{
    label->setWordWrap(true);
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}
} // namespace

GraphWindow::GraphWindow(const platform::NumberText& numbers, MessageTranslator translateMessage, QWidget* parent)
    : QWidget(parent, Qt::Window), m_numbers(numbers), m_translateMessage(std::move(translateMessage)),
      m_canvas(new GraphCanvas(numbers, m_translateMessage, this)), m_actions(new GraphActions(this)),
      m_readout(new QLabel(this)), m_xRow(new QWidget(this)), m_xField(new QLineEdit(m_xRow)),
      m_status(new QLabel(this))
{
    setObjectName(QStringLiteral("graphWindow"));
    setWindowTitle(tr("Graph"));
    setMinimumSize(320, 200);
    m_canvas->setObjectName(QStringLiteral("graph"));
    m_status->setObjectName(QStringLiteral("status"));
    m_status->setTextFormat(Qt::PlainText);
    m_status->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    m_status->setFocusPolicy(Qt::TabFocus);
    m_status->setAccessibleName(tr("Status"));
    m_status->setContentsMargins(6, 2, 6, 2);
    wrapWithinTheWindow(m_status);

    m_readout->setObjectName(QStringLiteral("readout"));
    m_readout->setTextFormat(Qt::PlainText);
    m_readout->setContentsMargins(6, 2, 6, 0);
    m_readout->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    m_readout->setFocusPolicy(Qt::TabFocus);
    wrapWithinTheWindow(m_readout);
    m_xField->setObjectName(QStringLiteral("xField"));
    auto* xLabel = new QLabel(tr("x ="), m_xRow);
    xLabel->setBuddy(m_xField);
    auto* xLayout = new QHBoxLayout(m_xRow);
    xLayout->setContentsMargins(6, 2, 6, 2);
    xLayout->addWidget(xLabel);
    xLayout->addWidget(m_xField, 1);
    m_xRow->hide();
    m_xField->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_canvas, 1);
    layout->addWidget(m_readout);
    layout->addWidget(m_xRow);
    layout->addWidget(m_status);
    setFocusProxy(m_canvas);

    m_readoutDelay.setSingleShot(true);
    connect(&m_readoutDelay, &QTimer::timeout, this, [this] { showReadout(m_pendingReadout); });
    connect(m_canvas, &GraphCanvas::readoutChanged, this, &GraphWindow::showReadout);
    connect(m_canvas, &GraphCanvas::readoutChanged, this, &GraphWindow::updateStatus);
    connect(m_canvas, &GraphCanvas::traceChosen, this, &GraphWindow::xChosen);
    connect(m_canvas, &GraphCanvas::typingX, this, &GraphWindow::openXField);

    connect(m_canvas, &GraphCanvas::curveChanged, this, &GraphWindow::updateStatus);
    connect(m_canvas, &GraphCanvas::viewNote, this, [this](const QString& note) {
        m_viewNote = note;
        updateStatus();
    });
    connectActions();
}

void GraphWindow::connectActions()
{
    ViewNavigator* view = m_canvas->navigator();
    connect(m_actions->copy, &QAction::triggered, this, &GraphWindow::copyPicture);
    connect(m_actions->save, &QAction::triggered, this, &GraphWindow::savePicture);
    connect(m_actions->print, &QAction::triggered, this, [this] {
        m_canvas->whenDrawn(
            [this](const plot::PlotPicture& picture) { printGraph(this, picture, printCaption(picture)); });
    });
    connect(m_actions->back, &QAction::triggered, view, &ViewNavigator::back);
    connect(m_actions->forward, &QAction::triggered, view, &ViewNavigator::forward);
    connect(m_actions->reset, &QAction::triggered, m_canvas, &GraphCanvas::resetView);
    connect(m_actions->fitY, &QAction::triggered, view, &ViewNavigator::fitY);
    connect(m_actions->zoomIn, &QAction::triggered, view, &ViewNavigator::zoomIn);
    connect(m_actions->zoomOut, &QAction::triggered, view, &ViewNavigator::zoomOut);
    connect(m_actions->viewRange, &QAction::triggered, this, &GraphWindow::askViewRange);
    connect(m_actions->equalScales, &QAction::toggled, view, &ViewNavigator::setEqualScales);
    connect(m_actions->help, &QAction::triggered, this, &GraphWindow::helpAsked);
    connect(m_actions->close, &QAction::triggered, this, &QWidget::close);
    connect(m_actions->pin, &QAction::triggered, m_canvas, &GraphCanvas::pinLive);
    connect(m_actions->table, &QAction::triggered, this, &GraphWindow::showTable);
    // The table follows the shown curves.
    const auto tableCurves = [this] {
        if (m_table)
            m_table->setCurves(m_canvas->tableCurves());
    };
    connect(m_canvas, &GraphCanvas::curveChanged, this, tableCurves);
    connect(m_canvas, &GraphCanvas::curvesEdited, this, tableCurves);
    connect(m_canvas, &GraphCanvas::menuAsked, this, &GraphWindow::showMenu);
}

void GraphWindow::showMenu(const QPoint& globalPos)
{
    const GraphViewport& viewport = m_canvas->viewport();
    m_actions->back->setEnabled(m_canvas->navigator()->canGoBack());
    m_actions->forward->setEnabled(m_canvas->navigator()->canGoForward());
    m_actions->reset->setEnabled(!viewport.first());
    m_actions->fitY->setEnabled(!viewport.followsCurve());
    m_actions->equalScales->setChecked(viewport.equalScales());
    fillCurvesMenu();
    m_actions->menu()->popup(globalPos);
}

// Each pinned curve with whether it shows, and a way to remove it.
void GraphWindow::fillCurvesMenu()
{
    QMenu* menu = m_actions->curves();
    menu->clear();
    const std::vector<CurveSet::Pin>& pins = m_canvas->curves().pins();
    menu->setEnabled(!pins.empty());
    for (std::size_t i = 0; i < pins.size(); ++i) {
        const QString expression = shortenedInTheMiddle(pins[i].inputs->expression, 60);
        QMenu* curve = menu->addMenu(expression);
        QAction* shown = curve->addAction(tr("&Shown"));
        shown->setCheckable(true);
        shown->setChecked(pins[i].shown);
        connect(shown, &QAction::toggled, m_canvas, [this, i](bool on) { m_canvas->setPinShown(i, on); });
        connect(curve->addAction(tr("&Remove")), &QAction::triggered, m_canvas, [this, i] { m_canvas->removePin(i); });
    }
}

void GraphWindow::showTable()
{
    if (!m_table) {
        m_table = new TableWindow(m_numbers, this);
        m_table->setAttribute(Qt::WA_DeleteOnClose);
        m_table->setLocale(locale());
        connect(m_table, &TableWindow::rowsShown, m_canvas, &GraphCanvas::markTableRows);
        connect(m_table, &QObject::destroyed, m_canvas, [this] { m_canvas->markTableRows({}); });
        m_table->setCurves(m_canvas->tableCurves());
        const std::optional<float> x = m_canvas->traceX();
        m_table->setStart(x ? *x : static_cast<float>(m_canvas->viewport().xs().from));
    }
    m_table->show();
    m_table->raise();
    m_table->activateWindow();
}

void GraphWindow::askViewRange()
{
    const GraphViewport& viewport = m_canvas->viewport();
    auto* dialog = new ViewRangeDialog(
        viewport.xs(), viewport.ys(), locale(),
        [this](const plot::Span& xs, const plot::Span& ys) {
            switch (m_canvas->navigator()->showRange(xs, ys)) {
            case GraphViewport::Move::Done: return QString();
            case GraphViewport::Move::Finest:
                return tr("This range is too narrow: neighbouring pixels would show the same 32-bit x.");
            case GraphViewport::Move::Widest: break;
            }
            return tr("This range reaches beyond the 32-bit numbers, about 3.4E+38 either way.");
        },
        this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

// Escape closes the window where nothing in it takes the key (an open x field or a box drawn
// does).
void GraphWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void GraphWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (QWindow* window = windowHandle())
        connect(window, &QWindow::screenChanged, this, &GraphWindow::boundByScreens, Qt::UniqueConnection);
    boundByScreens();
}

void GraphWindow::boundByScreens()
{
    QSize room;
    if (const QScreen* shown = screen())
        room = shown->availableVirtualSize();
    if (!room.isValid())
        return;
    setMaximumSize(room.expandedTo(minimumSize()));
}

void GraphWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // Without a window manager nothing holds the window to its largest size: it goes back to it.
    if (width() > maximumWidth() || height() > maximumHeight())
        resize(size().boundedTo(maximumSize()));
}

void GraphWindow::setInputs(GraphInputs inputs)
{
    // A word on the view belongs to the move that was refused, not to a new curve.
    m_viewNote.clear();
    m_canvas->setInputs(std::move(inputs));
}

QString GraphWindow::statusText() const
{
    return m_status->text();
}

QString GraphWindow::readoutText() const
{
    return m_readout->text();
}

// Each change of the label is an announcement to screen readers: holding an arrow key gives at
// most five a second, the latest winning.
void GraphWindow::showReadout(const QString& readout)
{
    constexpr int Interval = 200;
    m_pendingReadout = readout;
    if (m_readoutDelay.isActive())
        return;
    if (m_readoutShown.isValid() && m_readoutShown.elapsed() < Interval) {
        m_readoutDelay.start(Interval - int(m_readoutShown.elapsed()));
        return;
    }
    m_readoutShown.start();
    if (m_readout->text() != readout)
        m_readout->setText(readout);
}

void GraphWindow::openXField(const QString& typed)
{
    m_xRow->show();
    m_xField->setText(typed);
    m_xField->setFocus();
}

void GraphWindow::closeXField()
{
    m_xRow->hide();
    m_canvas->setFocus();
}

// The typed x, read as the parameter box reads it; or "y=" and a height, which the trace goes to
// the next x of, to the right (Enter) or the left (Shift+Enter).
void GraphWindow::goToTypedX(int direction)
{
    QString typed = m_xField->text().trimmed();
    const bool level = typed.startsWith(u'y', Qt::CaseInsensitive) && typed.mid(1).trimmed().startsWith(u'=');
    if (level)
        typed = typed.mid(typed.indexOf(u'=') + 1).trimmed();
    std::u16string refusal;
    const std::optional<float> x = readParameter(typed.toStdU16String(), refusal);
    if (!x) {
        // The readout's y is of the x before, which is not the one asked for.
        m_canvas->clearReadout();
        m_viewNote = m_translateMessage(QString::fromStdU16String(refusal));
        updateStatus();
        return;
    }
    m_viewNote.clear();
    updateStatus();
    closeXField();
    if (level)
        m_canvas->goToLevel(*x, direction);
    else
        m_canvas->traceTo(*x);
}

bool GraphWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_xField && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape) {
            closeXField();
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            goToTypedX(key->modifiers() & Qt::ShiftModifier ? -1 : 1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void GraphWindow::updateStatus()
{
    const GraphCurve* curve = m_canvas->curve();
    QString text;
    if (curve && !curve->refusal.empty())
        text = m_translateMessage(shortenedInTheMiddle(curve->refusal, LongestStatus));
    else if (!m_viewNote.isEmpty())
        text = m_viewNote;
    else if (curve && !curve->anyValue)
        text = tr("No value at any x in view.");
    else if (m_canvas->traceIsALine())
        text = tr("The dashed line: the traced x, where the curve has no point in view: a pole, a gap, or y "
                  "beyond the view.");
    if (text != m_status->text()) {
        m_status->setText(text);
        // Qt's interface of a label with a name of its own does not give its text: a screen
        // reader finds the message as the description of "Status".
        m_status->setAccessibleDescription(text);
    }
}

void GraphWindow::savePicture()
{
    const QString png = tr("PNG image (*.png)");
    const QString svg = tr("SVG image (*.svg)");
    const QString caption = tr("Save Graph");
    const platform::SaveChoice choice = platform::askWhereToSave(this, caption, QStringLiteral("graph.png"),
                                                                 {png, svg});
    if (choice.path.isEmpty())
        return;
    QString path = choice.path;
    const QString suffix = QFileInfo(path).suffix().toLower();
    plot::PictureFormat format = plot::PictureFormat::Png;
    if (suffix == u"svg" || (suffix != u"png" && choice.filter == svg))
        format = plot::PictureFormat::Svg;
    if (suffix != u"png" && suffix != u"svg") {
        path += format == plot::PictureFormat::Svg ? QStringLiteral(".svg") : QStringLiteral(".png");
        // The dialog asked about the name as typed, if at all: the file that is written is this one.
        const QFileInfo written(path);
        if (written.exists()
            && !platform::askYesNo(this, caption,
                                   tr("%1 already exists.\nDo you want to replace it?").arg(written.fileName())))
            return;
    }
    m_canvas->whenDrawn(
        [this, path, format](const plot::PlotPicture& picture) { writePicture(picture, path, format); });
}

void GraphWindow::writePicture(const plot::PlotPicture& picture, const QString& path, plot::PictureFormat format)
{
    std::string bytes;
    std::string error;
    QString reason;
    if (!plot::encodePicture(picture, format, bytes, error))
        reason = QString::fromStdString(error);
    else
        reason = PictureFile::write(path, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (!reason.isEmpty())
        platform::MessageBox::showOver(this,
                                       tr("The graph could not be saved as %1: %2").arg(path, reason).toStdU16String(),
                                       tr("Graph").toStdU16String(), platform::MessageStyle::Exclamation);
}

void GraphWindow::copyPicture()
{
    m_canvas->whenDrawn([this](const plot::PlotPicture& picture) { putOnClipboard(picture); });
}

void GraphWindow::putOnClipboard(const plot::PlotPicture& picture)
{
    std::string bytes;
    std::string error;
    if (!plot::encodePicture(picture, plot::PictureFormat::Png, bytes, error)) {
        m_viewNote = tr("The graph could not be copied: %1").arg(QString::fromStdString(error));
        updateStatus();
        return;
    }
    const QByteArray png(bytes.data(), static_cast<qsizetype>(bytes.size()));
    auto* image = new QMimeData;
    image->setImageData(QImage::fromData(png, "PNG"));
    image->setData(QStringLiteral("image/png"), png);
    QGuiApplication::clipboard()->setMimeData(image);
}

} // namespace pellitor::graph

// The graph window: the graph of the main window's expression over its parameter and angle unit,
// a status line under it, and the picture saved (Ctrl+S) or copied (Ctrl+C). It remembers nothing
// between runs.
#pragma once

#include "GraphComputation.h"
#include "NumberText.h"
#include "PlotPicture.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;

namespace pellitor::graph {

class GraphActions;
class TableWindow;
class GraphCanvas;

class GraphWindow : public QWidget {
    Q_OBJECT
public:
    // A message of the engine or the Calculate command in the user's language.
    using MessageTranslator = std::function<QString(const QString&)>;

    GraphWindow(const platform::NumberText& numbers, MessageTranslator translateMessage, QWidget* parent = nullptr);

    void setInputs(GraphInputs inputs);
    GraphCanvas* canvas() const { return m_canvas; }
    GraphActions* actions() const { return m_actions; }
    QString statusText() const;

    // Asks where to save the picture as it shows (PNG or SVG, by the extension or the filter),
    // and whether to replace a file of that name, and saves it once the worker has drawn the
    // view; a failure says why in a message box.
    void savePicture();
    // Puts the picture as it shows on the clipboard, as an image (image/png), once the worker
    // has drawn the view.
    void copyPicture();

    // The trace's readout as the window shows it and a screen reader hears it.
    QString readoutText() const;

    // "View range...": a dialog of the view's four ends, applied with Enter.
    void askViewRange();
    // Ctrl+T: the table of values of the shown curves, from the traced x (or the view's left end).
    void showTable();

signals:
    // Enter on the trace: its x, for the main window's parameter box and report.
    void xChosen(float x);
    // F1: the help page at the graph's section.
    void helpAsked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void connectActions();
    // Enables the actions that apply to the view as it is, and shows the menu at globalPos.
    void showMenu(const QPoint& globalPos);
    void fillCurvesMenu();
    // At most what the screen shows: a window larger than every screen costs and shows nothing more.
    void boundByScreens();
    void updateStatus();
    void showReadout(const QString& readout);
    void openXField(const QString& typed);
    void closeXField();
    void goToTypedX(int direction = 1);
    bool eventFilter(QObject* watched, QEvent* event) override;

    void writePicture(const plot::PlotPicture& picture, const QString& path, plot::PictureFormat format);
    void putOnClipboard(const plot::PlotPicture& picture);

    const platform::NumberText& m_numbers;
    MessageTranslator m_translateMessage;
    GraphCanvas* m_canvas;
    GraphActions* m_actions;
    QPointer<TableWindow> m_table;
    QLabel* m_readout;
    QWidget* m_xRow;
    QLineEdit* m_xField;
    QLabel* m_status;
    QString m_viewNote;
    // A reader hears at most five readouts a second, the latest of them.
    QTimer m_readoutDelay;
    QElapsedTimer m_readoutShown;
    QString m_pendingReadout;
};

} // namespace pellitor::graph

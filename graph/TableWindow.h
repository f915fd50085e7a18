// The table of values beside the graph: x from a start in steps, and y of each curve the graph
// shows, as pellitor-calc --table writes them; the rows scroll on in both directions. Ctrl+C
// copies rows as tab-separated text, "Save as CSV..." writes them comma-separated.
#pragma once

#include "NumberText.h"
#include "TableModel.h"

#include <QTimer>
#include <QWidget>

#include <optional>
#include <utility>
#include <vector>

class QLabel;
class QLineEdit;
class QTableView;

namespace pellitor::graph {

class TableWindow : public QWidget {
    Q_OBJECT
public:
    explicit TableWindow(const platform::NumberText& numbers, QWidget* parent = nullptr);

    // The graph's shown curves, named as its legend names them; the rows stay where they are.
    void setCurves(std::vector<TableCurve> curves);
    // Rows from x, with the step as it is, the start's row at the top.
    void setStart(float x);

    // The selected rows, or else the rows in view, with the header: on the clipboard as
    // tab-separated text; into a file that the user names, comma-separated.
    void copyRows();
    void saveCsv();

    TableModel* model() const { return m_model; }
    QTableView* view() const { return m_view; }
    // Why the last start or step typed was refused; empty when it was taken.
    QString refusal() const;

signals:
    // The x of the rows in view, at most twenty times a second, for the graph to mark; empty
    // while the window is hidden.
    void rowsShown(std::vector<float> xs);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A number typed in the window's locale: its value, and the 32-bit number rounded once from
    // its decimals (nothing beyond the 32-bit range).
    struct Typed {
        double value = 0.0;
        std::optional<float> single;
    };
    std::optional<Typed> read(const QString& text) const;
    QString shown(float value) const;
    void typed();
    bool apply(const QString& start, const QString& step);
    void refuse(const QString& why);
    void showSteps(const TableSteps& steps);
    // The first and last row in view; -1 for both where no row shows.
    std::pair<int, int> rowsInView() const;
    std::vector<int> chosenRows() const;
    void keepAwayFromEnds();
    void scheduleRowsShown();
    void reportRowsShown();

    TableModel* m_model;
    QTableView* m_view;
    QLineEdit* m_start;
    QLineEdit* m_step;
    QLabel* m_message;
    QString m_startTaken; // the texts of the rows shown
    QString m_stepTaken;
    QTimer m_rowsShownDelay;
    std::vector<float> m_rowsShown;
};

} // namespace pellitor::graph

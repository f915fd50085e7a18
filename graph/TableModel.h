// The rows of the table of values: x from a start in steps, and y of each curve, written as
// pellitor-calc --table writes them. The rows go on as far as their x stay apart as 32-bit
// numbers; the model holds a window of them, which moves along as the view nears one of its ends,
// and computes the texts of the rows asked for a block at a time.
#pragma once

#include "CompiledPostfix.h"
#include "Evaluation.h"
#include "NumberText.h"

#include <QAbstractTableModel>
#include <QString>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace pellitor::graph {

// A curve of the table: its name as the graph's legend gives it ("y1 = sin(x)"), and what it is
// evaluated with.
struct TableCurve {
    QString name;
    std::u16string postfix;
    bool degrees = false;
};

// The x of the rows as pellitor-calc's --table forms them: row k at start + k*step computed in 64
// bits and rounded once to 32 bits, and row 0 the start's own 32-bit number, rounded from its
// decimals (rounding its 64-bit value again could give a neighbour).
struct TableSteps {
    double start = 0.0;
    float first = 0.0f;
    double step = 1.0;

    // Row k's x, for a row that lies within the 32-bit range.
    float at(std::int64_t k) const
    {
        return k == 0 ? first : static_cast<float>(start + static_cast<double>(k) * step);
    }
    // Whether a row beside the start would take the start's x: the step cannot change a 32-bit x
    // there, and pellitor-calc refuses such a table.
    bool crowded() const;
};

// How far the rows go from row 0 in one direction: to the last before a row whose x would repeat
// its neighbour's or lie beyond the 32-bit range. Found as far as asked, and no farther: with a
// step of 1 the ends lie 2^24 rows away, and scanning to both row by row took a tenth of a second.
class RowReach {
public:
    RowReach() = default;
    RowReach(const TableSteps& steps, int direction);

    // wanted (0 or more rows from row 0), or the last row before it where the rows end.
    std::int64_t reach(std::int64_t wanted);
    // The rows found so far: from 0 to reached() lie apart.
    std::int64_t reached() const { return m_reached; }

private:
    double x(std::int64_t j) const { return m_steps.start + static_cast<double>(j) * m_increment; }
    void advance();
    std::int64_t lastApart(std::int64_t j) const;

    TableSteps m_steps;
    double m_increment = 1.0; // the step in this direction
    double m_apart = 0.0;     // below this magnitude, x a step apart never round alike
    std::int64_t m_reached = 0;
    float m_previous = 0.0f; // the x of the row reached
    bool m_ended = false;
};

class TableModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    // The rows the model holds at most: a view's header keeps a record for every row.
    static constexpr int WindowRows = 1 << 16;

    explicit TableModel(const platform::NumberText& numbers, QObject* parent = nullptr);
    ~TableModel() override;

    void setCurves(std::vector<TableCurve> curves);
    // New rows, the window around the start's row.
    void setSteps(const TableSteps& steps);
    const TableSteps& steps() const { return m_steps; }

    // The row k of the steps that a row of the model shows, and the model's row of step k (-1
    // where the window does not hold it).
    std::int64_t stepOf(int row) const { return m_offset + row; }
    int rowOf(std::int64_t step) const;
    float x(int row) const { return m_steps.at(stepOf(row)); }
    // Moves the window where the rows top to bottom come near one of its ends and more rows lie
    // beyond it, so that they lie in its middle; the rows selected and the current one move with
    // their x. Returns by how many rows the window moved down, which a view scrolls back.
    int recentre(int top, int bottom);
    // Moves the window so that it holds step, as recentre does.
    void bringNear(std::int64_t step);

    // The header and rows as pellitor-calc --table writes them: tab-separated, or with csv
    // comma-separated with a field quoted where it holds a comma or a quote; a line ends in LF.
    QString rowsText(const std::vector<int>& rows, bool csv) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    static constexpr std::int64_t BlockRows = 256;
    static constexpr std::size_t KeptBlocks = 64;

    // The texts of BlockRows rows from step key * BlockRows, a row after another, x first.
    using Block = std::vector<QString>;
    const QString& text(int row, int column) const;
    const Block& block(std::int64_t key) const;
    Block compute(std::int64_t key) const;
    // Whether row k has been found to lie within the rows.
    bool found(std::int64_t step) const { return step >= 0 ? step <= m_down.reached() : -step <= m_up.reached(); }
    // Places the window from offset, or as near it as the rows allow.
    void place(std::int64_t offset);
    QString columnName(int column) const;

    const platform::NumberText& m_numbers;
    std::vector<TableCurve> m_curves;
    std::vector<std::unique_ptr<CompiledPostfix>> m_compiled; // one for each curve
    TableSteps m_steps;
    RowReach m_up;
    RowReach m_down;
    std::int64_t m_offset = 0; // the window's first row's k
    int m_rows = 1;
    mutable std::map<std::int64_t, Block> m_blocks;
    mutable Evaluations m_evaluations;
};

} // namespace pellitor::graph

// The table's rows, their reach and their texts.
#include "TableModel.h"

#include "RowWords.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>

namespace pellitor::graph {

namespace {

// A 64-bit value of this magnitude or more rounds beyond the 32-bit range: the largest float and
// half its spacing (the tie goes to the even neighbour, infinity).
constexpr double Beyond = 0x1.ffffffp127;
// Farther than any table reaches: a step too small to pass 2^40 rows lets its x repeat first.
constexpr std::int64_t Farthest = std::int64_t(1) << 40;

bool finite(double x)
{
    return std::fabs(x) < Beyond;
}

// The least magnitude where neighbouring 32-bit numbers lie step or more apart; below it two x a
// step apart never round to the same one.
double crowdedFrom(double step)
{
    if (step <= 0x1p-149)
        return 0.0;
    int exponent = std::ilogb(step);
    if (std::ldexp(1.0, exponent) != step)
        ++exponent;
    // From 2^e on, the spacing is 2^(e-23) (from 2^-149 up, since step is more than that).
    return std::ldexp(1.0, exponent + 23);
}

// A field of a CSV line, quoted where it holds a separator, a quote or a line break.
QString csvField(const QString& text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    QString quoted = text;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

} // namespace

bool TableSteps::crowded() const
{
    for (const double beside : {start - step, start + step}) {
        if (finite(beside) && static_cast<float>(beside) == first)
            return true;
    }
    return false;
}

RowReach::RowReach(const TableSteps& steps, int direction)
    : m_steps(steps), m_increment(direction * steps.step), m_previous(steps.first)
{
    // Short of the magnitude where neighbours lie a step apart by more than a float's rounding of
    // it can reach, and within the 32-bit range.
    m_apart = std::min(crowdedFrom(std::fabs(steps.step)) * (1.0 - 0x1p-20), static_cast<double>(FLT_MAX));
}

std::int64_t RowReach::reach(std::int64_t wanted)
{
    while (!m_ended && m_reached < wanted)
        advance();
    return std::min(m_reached, wanted);
}

// One row on, or, where the next row lies where the x a step apart cannot round alike, to the last
// row there at once.
void RowReach::advance()
{
    const std::int64_t next = m_reached + 1;
    const double here = x(next);
    if (next >= Farthest || !finite(here) || static_cast<float>(here) == m_previous) {
        m_ended = true;
        return;
    }
    m_reached = std::fabs(here) < m_apart ? lastApart(next) : next;
    m_previous = static_cast<float>(x(m_reached));
}

// The last row from j on whose x lies below m_apart: the rows where |x| lies below it are a run.
std::int64_t RowReach::lastApart(std::int64_t j) const
{
    const double limit = m_increment > 0 ? (m_apart - m_steps.start) / m_increment
                                         : (m_steps.start + m_apart) / -m_increment;
    std::int64_t last = limit >= static_cast<double>(Farthest)
                            ? Farthest - 1
                            : std::max(j, static_cast<std::int64_t>(std::ceil(limit)) - 1);
    // The division rounds: mend it by the few rows it can be off.
    while (last > j && !(std::fabs(x(last)) < m_apart))
        --last;
    while (last + 1 < Farthest && std::fabs(x(last + 1)) < m_apart)
        ++last;
    return last;
}

TableModel::TableModel(const platform::NumberText& numbers, QObject* parent)
    : QAbstractTableModel(parent), m_numbers(numbers)
{
    setSteps({});
}

TableModel::~TableModel() = default;

void TableModel::setCurves(std::vector<TableCurve> curves)
{
    const bool sameColumns = curves.size() == m_curves.size();
    if (!sameColumns)
        beginResetModel();
    m_curves = std::move(curves);
    m_compiled.clear();
    for (const TableCurve& curve : m_curves)
        m_compiled.push_back(std::make_unique<CompiledPostfix>(curve.postfix, curve.degrees));
    m_blocks.clear();
    if (!sameColumns) {
        endResetModel();
        return;
    }
    if (m_curves.empty())
        return;
    // The same columns: the view keeps its place and its selection.
    emit dataChanged(index(0, 1), index(m_rows - 1, columnCount() - 1));
    emit headerDataChanged(Qt::Horizontal, 1, columnCount() - 1);
}

void TableModel::setSteps(const TableSteps& steps)
{
    beginResetModel();
    m_steps = steps;
    m_up = RowReach(steps, -1);
    m_down = RowReach(steps, 1);
    m_blocks.clear();
    place(-WindowRows / 2);
    endResetModel();
}

void TableModel::place(std::int64_t offset)
{
    // Each end is found a block beyond the window, so that every block the window touches knows
    // which of its rows there are.
    const std::int64_t below = m_down.reach(std::max<std::int64_t>(offset + WindowRows - 1, 0) + BlockRows);
    offset = std::min(offset, below - WindowRows + 1);
    const std::int64_t above = -m_up.reach(std::max<std::int64_t>(-offset, 0) + BlockRows);
    offset = std::max(offset, above);
    m_down.reach(std::max<std::int64_t>(offset + WindowRows - 1, 0) + BlockRows);
    m_offset = offset;
    m_rows = static_cast<int>(std::min<std::int64_t>(WindowRows, m_down.reached() - offset + 1));
}

int TableModel::rowOf(std::int64_t step) const
{
    return step >= m_offset && step < m_offset + m_rows ? static_cast<int>(step - m_offset) : -1;
}

int TableModel::recentre(int top, int bottom)
{
    const int margin = m_rows / 4;
    const bool nearTop = top < margin && m_up.reach(-(m_offset - 1)) == -(m_offset - 1);
    const bool nearBottom = bottom >= m_rows - margin && m_down.reach(m_offset + m_rows) == m_offset + m_rows;
    if (!nearTop && !nearBottom)
        return 0;
    const std::int64_t before = m_offset;
    const std::int64_t wanted = m_offset + (top + bottom) / 2 - m_rows / 2;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    place(wanted);
    const std::int64_t moved = m_offset - before;
    const QModelIndexList was = persistentIndexList();
    QModelIndexList now;
    for (const QModelIndex& index : was) {
        const std::int64_t row = index.row() - moved;
        now.push_back(row >= 0 && row < m_rows ? createIndex(static_cast<int>(row), index.column()) : QModelIndex());
    }
    changePersistentIndexList(was, now);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    return static_cast<int>(moved);
}

void TableModel::bringNear(std::int64_t step)
{
    if (rowOf(step) >= 0)
        return;
    beginResetModel();
    place(step - WindowRows / 2);
    endResetModel();
}

int TableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int TableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 1 + static_cast<int>(m_curves.size());
}

QVariant TableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows || index.column() >= columnCount())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole: return text(index.row(), index.column());
    case Qt::TextAlignmentRole: return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    default: return {};
    }
}

// The columns as pellitor-calc heads them, and the rows by their x: a reader that asks for a
// cell's row header hears its x (the view hides the header, which the x column shows already).
QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section >= 0 && section < m_rows ? QVariant(text(section, 0)) : QVariant();
    return section >= 0 && section < columnCount() ? QVariant(columnName(section)) : QVariant();
}

QString TableModel::columnName(int column) const
{
    if (column == 0)
        return QStringLiteral("x");
    return m_curves.size() == 1 ? QStringLiteral("y") : m_curves[static_cast<std::size_t>(column - 1)].name;
}

QString TableModel::rowsText(const std::vector<int>& rows, bool csv) const
{
    const QChar separator = csv ? u',' : u'\t';
    const auto field = [csv](const QString& text) { return csv ? csvField(text) : text; };
    QString lines;
    for (int column = 0; column < columnCount(); ++column)
        lines += (column ? QString(separator) : QString()) + field(columnName(column));
    lines += u'\n';
    for (const int row : rows) {
        for (int column = 0; column < columnCount(); ++column)
            lines += (column ? QString(separator) : QString()) + field(text(row, column));
        lines += u'\n';
    }
    return lines;
}

const QString& TableModel::text(int row, int column) const
{
    const std::int64_t step = stepOf(row);
    // Floor division: the blocks of rows above the start have negative keys.
    const std::int64_t key = step >= 0 ? step / BlockRows : -((-step + BlockRows - 1) / BlockRows);
    const Block& texts = block(key);
    return texts[static_cast<std::size_t>((step - key * BlockRows) * columnCount() + column)];
}

const TableModel::Block& TableModel::block(std::int64_t key) const
{
    if (const auto kept = m_blocks.find(key); kept != m_blocks.end())
        return kept->second;
    // The blocks farthest from the one asked for go first: the view comes back to its neighbours.
    if (m_blocks.size() >= KeptBlocks) {
        const bool first = key - m_blocks.begin()->first > std::prev(m_blocks.end())->first - key;
        m_blocks.erase(first ? m_blocks.begin() : std::prev(m_blocks.end()));
    }
    return m_blocks.emplace(key, compute(key)).first->second;
}

// The rows of a block that lie within the rows, each curve evaluated over them at once.
TableModel::Block TableModel::compute(std::int64_t key) const
{
    std::vector<float> xs;
    std::int64_t from = key * BlockRows;
    for (std::int64_t step = from; step < from + BlockRows; ++step) {
        if (found(step))
            xs.push_back(m_steps.at(step));
    }
    const std::size_t columns = 1 + m_curves.size();
    Block texts(static_cast<std::size_t>(BlockRows) * columns);
    if (xs.empty())
        return texts;
    while (!found(from))
        ++from;
    const std::size_t at = static_cast<std::size_t>(from - key * BlockRows) * columns;
    for (std::size_t row = 0; row < xs.size(); ++row)
        texts[at + row * columns] = QString::fromStdU16String(m_numbers.general(xs[row]));
    for (std::size_t curve = 0; curve < m_curves.size(); ++curve) {
        evaluate(*m_compiled[curve], xs, m_evaluations);
        std::size_t error = 0;
        for (std::size_t row = 0; row < xs.size(); ++row) {
            const Evaluation::Outcome outcome = m_evaluations.outcomes[row];
            QString& cell = texts[at + row * columns + 1 + curve];
            if (outcome == Evaluation::Outcome::Value)
                cell = QString::fromStdU16String(m_numbers.fourDecimals(m_evaluations.values[row]));
            else
                cell = QString::fromStdU16String(rowWords(outcome, outcome == Evaluation::Outcome::EngineFault
                                                                       ? m_evaluations.errors[error++]
                                                                       : u""));
        }
    }
    return texts;
}

} // namespace pellitor::graph

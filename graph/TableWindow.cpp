// The table of values: its fields, its rows in view and what leaves it.
#include "TableWindow.h"

#include "MessageBox.h"
#include "NumberReader.h"
#include "PictureFile.h"
#include "Question.h"
#include "SaveDialog.h"

#include <QAction>
#include <QClipboard>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace pellitor::graph {

namespace {

// The rows in view go to the graph at most this often.
constexpr int RowsShownDelayMs = 50;

QLineEdit* field(const QString& name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    return edit;
}

} // namespace

TableWindow::TableWindow(const platform::NumberText& numbers, QWidget* parent)
    : QWidget(parent, Qt::Window), m_model(new TableModel(numbers, this)), m_view(new QTableView(this)),
      m_start(field(QStringLiteral("start"), this)), m_step(field(QStringLiteral("step"), this)),
      m_message(new QLabel(this))
{
    setObjectName(QStringLiteral("tableWindow"));
    setWindowTitle(tr("Table of Values"));
    auto* startLabel = new QLabel(tr("&Start:"), this);
    startLabel->setBuddy(m_start);
    auto* stepLabel = new QLabel(tr("S&tep:"), this);
    stepLabel->setBuddy(m_step);
    auto* save = new QPushButton(tr("Save as CSV..."), this);
    save->setObjectName(QStringLiteral("saveCsv"));
    m_message->setObjectName(QStringLiteral("message"));
    m_message->setWordWrap(true);
    m_message->setTextFormat(Qt::PlainText);
    m_message->hide();

    m_view->setObjectName(QStringLiteral("table"));
    m_view->setAccessibleName(tr("Table of values"));
    m_view->setModel(m_model);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setWordWrap(false);
    m_view->setCornerButtonEnabled(false);
    // Every row as high as the next, so that a window of many rows costs the header nothing more.
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_view->verticalHeader()->hide();
    m_view->horizontalHeader()->setStretchLastSection(true);
    m_view->horizontalHeader()->setDefaultSectionSize(fontMetrics().horizontalAdvance(QStringLiteral("-8,888,888.8888"))
                                                      + 24);
    m_view->viewport()->installEventFilter(this);

    auto* copy = new QAction(tr("&Copy"), this);
    copy->setShortcut(QKeySequence::Copy);
    auto* saveAction = new QAction(tr("Save as &CSV..."), this);
    saveAction->setShortcut(QKeySequence::Save);
    addAction(copy);
    addAction(saveAction);
    m_view->addAction(copy);
    m_view->addAction(saveAction);
    m_view->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(copy, &QAction::triggered, this, &TableWindow::copyRows);
    connect(saveAction, &QAction::triggered, this, &TableWindow::saveCsv);
    connect(save, &QPushButton::clicked, this, &TableWindow::saveCsv);
    connect(m_start, &QLineEdit::editingFinished, this, &TableWindow::typed);
    connect(m_step, &QLineEdit::editingFinished, this, &TableWindow::typed);
    connect(m_view->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        keepAwayFromEnds();
        scheduleRowsShown();
    });
    m_rowsShownDelay.setSingleShot(true);
    m_rowsShownDelay.setInterval(RowsShownDelayMs);
    connect(&m_rowsShownDelay, &QTimer::timeout, this, &TableWindow::reportRowsShown);

    auto* fields = new QHBoxLayout;
    fields->addWidget(startLabel);
    fields->addWidget(m_start);
    fields->addWidget(stepLabel);
    fields->addWidget(m_step);
    fields->addStretch();
    fields->addWidget(save);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(m_message);
    layout->addWidget(m_view);

    m_startTaken = shown(0.0f);
    m_stepTaken = shown(1.0f);
    m_start->setText(m_startTaken);
    m_step->setText(m_stepTaken);
    showSteps(m_model->steps());
    resize(480, 520);
}

void TableWindow::setCurves(std::vector<TableCurve> curves)
{
    const int top = rowsInView().first;
    const std::int64_t topStep = m_model->stepOf(std::max(top, 0));
    const bool newColumns = static_cast<int>(curves.size()) + 1 != m_model->columnCount();
    m_model->setCurves(std::move(curves));
    if (!newColumns)
        return;
    // Names longer than a number widen their columns, up to a limit.
    for (int column = 1; column < m_model->columnCount(); ++column) {
        const QString name = m_model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        const int wanted = std::min(fontMetrics().horizontalAdvance(name) + 24, 400);
        m_view->horizontalHeader()->resizeSection(column,
                                                  std::max(wanted, m_view->horizontalHeader()->defaultSectionSize()));
    }
    // The columns came anew: the rows in view stay.
    m_view->doItemsLayout();
    m_view->scrollTo(m_model->index(m_model->rowOf(topStep), 0), QAbstractItemView::PositionAtTop);
}

void TableWindow::setStart(float x)
{
    if (!std::isfinite(x))
        return;
    TableSteps steps = m_model->steps();
    steps.start = x;
    steps.first = x;
    if (steps.crowded()) {
        refuse(tr("A step of %1 cannot change a 32-bit x near %2: two rows would be the same.")
                   .arg(m_stepTaken, shown(x)));
        return;
    }
    m_startTaken = shown(x);
    m_start->setText(m_startTaken);
    m_step->setText(m_stepTaken);
    showSteps(steps);
}

QString TableWindow::refusal() const
{
    return m_message->isHidden() ? QString() : m_message->text();
}

std::optional<TableWindow::Typed> TableWindow::read(const QString& text) const
{
    const QLocale numbers = locale();
    const QString trimmed = text.trimmed();
    bool ok = false;
    const double value = numbers.toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    // The same decimals as C writes them, so that the 32-bit number is rounded once from them, as
    // pellitor-calc rounds a table's FROM.
    QString plain = trimmed;
    if (!numbers.groupSeparator().isEmpty())
        plain.remove(numbers.groupSeparator());
    plain.replace(numbers.decimalPoint(), QStringLiteral("."));
    plain.replace(numbers.negativeSign(), QStringLiteral("-"));
    plain.replace(numbers.positiveSign(), QStringLiteral("+"));
    plain.replace(numbers.exponential(), QStringLiteral("e"), Qt::CaseInsensitive);
    static const QRegularExpression Plain(QStringLiteral("^[+-]?[0-9]*\\.?[0-9]*(e[+-]?[0-9]+)?$"),
                                          QRegularExpression::CaseInsensitiveOption);
    if (Plain.match(plain).hasMatch())
        return Typed{value, readLeadingSingle(plain.toStdU16String())};
    // Digits of another script: the 64-bit value, rounded.
    if (std::fabs(value) > static_cast<double>(FLT_MAX))
        return Typed{value, std::nullopt};
    return Typed{value, static_cast<float>(value)};
}

// The fewest digits that read back as value, in the window's locale without grouping.
QString TableWindow::shown(float value) const
{
    QLocale numbers = locale();
    numbers.setNumberOptions(numbers.numberOptions() | QLocale::OmitGroupSeparator);
    const double wide = static_cast<double>(value);
    // Digits as far as a 32-bit number has them (2^24 and a little more), then an exponent.
    const bool fixed = value == 0.0f || (std::fabs(value) >= 1e-4f && std::fabs(value) < 1e9f);
    QString text;
    for (int digits = 0; digits <= (fixed ? 14 : 8); ++digits) {
        text = numbers.toString(wide, fixed ? 'f' : 'e', digits);
        if (static_cast<float>(numbers.toDouble(text)) == value)
            break;
    }
    return text;
}

void TableWindow::typed()
{
    const QString start = m_start->text();
    const QString step = m_step->text();
    if (start == m_startTaken && step == m_stepTaken) {
        m_message->hide();
        return;
    }
    apply(start, step);
}

// Takes the texts typed, where they give rows; else says why and keeps the rows as they were.
bool TableWindow::apply(const QString& startText, const QString& stepText)
{
    TableSteps steps = m_model->steps();
    // A text as it was taken keeps its number: a start that the graph gave is its exact x.
    if (startText != m_startTaken) {
        const std::optional<Typed> start = read(startText);
        if (!start) {
            refuse(tr("The start \"%1\" is not a number.").arg(startText));
            return false;
        }
        if (!start->single) {
            refuse(tr("The start must lie within the range of 32-bit numbers."));
            return false;
        }
        steps.start = start->value;
        steps.first = *start->single;
    }
    if (stepText != m_stepTaken) {
        const std::optional<Typed> step = read(stepText);
        if (!step) {
            refuse(tr("The step \"%1\" is not a number.").arg(stepText));
            return false;
        }
        if (step->value == 0.0) {
            refuse(tr("The step must not be 0."));
            return false;
        }
        if (std::fabs(step->value) > static_cast<double>(FLT_MAX)) {
            refuse(tr("The step must lie within the range of 32-bit numbers."));
            return false;
        }
        steps.step = step->value;
    }
    if (steps.crowded()) {
        refuse(tr("A step of %1 cannot change a 32-bit x near %2: two rows would be the same.")
                   .arg(stepText, shown(steps.first)));
        return false;
    }
    m_startTaken = startText;
    m_stepTaken = stepText;
    showSteps(steps);
    return true;
}

void TableWindow::refuse(const QString& why)
{
    m_message->setText(why);
    m_message->show();
    // A screen reader hears why with the field.
    m_start->setAccessibleDescription(why);
    m_step->setAccessibleDescription(why);
}

void TableWindow::showSteps(const TableSteps& steps)
{
    m_message->hide();
    m_start->setAccessibleDescription({});
    m_step->setAccessibleDescription({});
    m_model->setSteps(steps);
    const QModelIndex start = m_model->index(m_model->rowOf(0), 0);
    m_view->doItemsLayout();
    m_view->scrollTo(start, QAbstractItemView::PositionAtTop);
    // The keyboard starts at the start's row, which is not selected: Ctrl+C copies the rows in view.
    m_view->selectionModel()->setCurrentIndex(start, QItemSelectionModel::NoUpdate);
    scheduleRowsShown();
}

std::pair<int, int> TableWindow::rowsInView() const
{
    const int top = m_view->rowAt(0);
    if (top < 0)
        return {-1, -1};
    const int bottom = m_view->rowAt(m_view->viewport()->height() - 1);
    return {top, bottom < 0 ? m_model->rowCount() - 1 : bottom};
}

std::vector<int> TableWindow::chosenRows() const
{
    std::vector<int> rows;
    for (const QModelIndex& index : m_view->selectionModel()->selectedIndexes())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows.empty()) {
        const auto [top, bottom] = rowsInView();
        for (int row = top; row >= 0 && row <= bottom; ++row)
            rows.push_back(row);
    }
    return rows;
}

void TableWindow::copyRows()
{
    QGuiApplication::clipboard()->setText(m_model->rowsText(chosenRows(), false));
}

void TableWindow::saveCsv()
{
    const QString caption = tr("Save Table");
    const platform::SaveChoice choice = platform::askWhereToSave(this, caption, QStringLiteral("table.csv"),
                                                                 {tr("CSV file (*.csv)")});
    if (choice.path.isEmpty())
        return;
    QString path = choice.path;
    if (QFileInfo(path).suffix().toLower() != u"csv") {
        path += QStringLiteral(".csv");
        // The dialog asked about the name as typed, if at all: the file that is written is this one.
        const QFileInfo written(path);
        if (written.exists()
            && !platform::askYesNo(this, caption,
                                   tr("%1 already exists.\nDo you want to replace it?").arg(written.fileName())))
            return;
    }
    const QString reason = PictureFile::write(path, m_model->rowsText(chosenRows(), true).toUtf8());
    if (!reason.isEmpty())
        platform::MessageBox::showOver(this,
                                       tr("The table could not be saved as %1: %2").arg(path, reason).toStdU16String(),
                                       tr("Table of Values").toStdU16String(), platform::MessageStyle::Exclamation);
}

void TableWindow::keepAwayFromEnds()
{
    const auto [top, bottom] = rowsInView();
    if (top < 0)
        return;
    if (const int moved = m_model->recentre(top, bottom))
        m_view->verticalScrollBar()->setValue(m_view->verticalScrollBar()->value() - moved);
}

// Throttled, not put off: while the rows scroll, the graph follows them all the time.
void TableWindow::scheduleRowsShown()
{
    if (!m_rowsShownDelay.isActive())
        m_rowsShownDelay.start();
}

void TableWindow::reportRowsShown()
{
    std::vector<float> xs;
    if (isVisible()) {
        const auto [top, bottom] = rowsInView();
        for (int row = top; row >= 0 && row <= bottom; ++row)
            xs.push_back(m_model->x(row));
    }
    if (xs == m_rowsShown)
        return;
    m_rowsShown = xs;
    emit rowsShown(std::move(xs));
}

void TableWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    scheduleRowsShown();
}

void TableWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    m_rowsShownDelay.stop();
    reportRowsShown();
}

bool TableWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_view->viewport() && event->type() == QEvent::Resize) {
        keepAwayFromEnds();
        scheduleRowsShown();
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace pellitor::graph

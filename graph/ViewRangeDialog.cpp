// The dialog of the view's range.
#include "ViewRangeDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <cmath>

namespace pellitor::graph {

ViewRangeDialog::ViewRangeDialog(const plot::Span& xs, const plot::Span& ys, const QLocale& locale, Apply apply,
                                 QWidget* parent)
    : QDialog(parent), m_locale(locale), m_apply(std::move(apply)), m_message(new QLabel(this))
{
    setObjectName(QStringLiteral("viewRange"));
    setWindowTitle(tr("View Range"));
    m_xFrom = field(QStringLiteral("xFrom"), tr("x from"), xs.from);
    m_xTo = field(QStringLiteral("xTo"), tr("x to"), xs.to);
    m_yFrom = field(QStringLiteral("yFrom"), tr("y from"), ys.from);
    m_yTo = field(QStringLiteral("yTo"), tr("y to"), ys.to);
    auto* form = new QFormLayout;
    form->addRow(tr("x from:"), m_xFrom);
    form->addRow(tr("x to:"), m_xTo);
    form->addRow(tr("y from:"), m_yFrom);
    form->addRow(tr("y to:"), m_yTo);
    m_message->setObjectName(QStringLiteral("message"));
    m_message->setWordWrap(true);
    m_message->setTextFormat(Qt::PlainText);
    m_message->hide();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &ViewRangeDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ViewRangeDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_message);
    layout->addWidget(buttons);
}

QLineEdit* ViewRangeDialog::field(const QString& name, const QString& accessibleName, double value)
{
    auto* edit = new QLineEdit(m_locale.toString(value, 'g', 9), this);
    edit->setObjectName(name);
    edit->setAccessibleName(accessibleName);
    return edit;
}

QString ViewRangeDialog::message() const
{
    return m_message->isHidden() ? QString() : m_message->text();
}

std::optional<double> ViewRangeDialog::read(const QLineEdit* edit) const
{
    bool ok = false;
    const double value = m_locale.toDouble(edit->text().trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

void ViewRangeDialog::accept()
{
    QString why;
    QLineEdit* wrong = nullptr;
    for (QLineEdit* edit : {m_xFrom, m_xTo, m_yFrom, m_yTo}) {
        if (!read(edit)) {
            why = tr("\"%1\" is not a number.").arg(edit->text());
            wrong = edit;
            break;
        }
    }
    if (!wrong && !(*read(m_xFrom) < *read(m_xTo))) {
        why = tr("x from must be less than x to.");
        wrong = m_xTo;
    } else if (!wrong && !(*read(m_yFrom) < *read(m_yTo))) {
        why = tr("y from must be less than y to.");
        wrong = m_yTo;
    }
    if (!wrong)
        why = m_apply({*read(m_xFrom), *read(m_xTo)}, {*read(m_yFrom), *read(m_yTo)});
    if (why.isEmpty()) {
        m_message->hide();
        return QDialog::accept();
    }
    m_message->setText(why);
    m_message->show();
    // A screen reader hears the message as the dialog's description.
    setAccessibleDescription(why);
    (wrong ? wrong : m_xFrom)->setFocus();
}

} // namespace pellitor::graph

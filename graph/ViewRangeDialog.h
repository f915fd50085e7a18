// "View range...": the view typed as four numbers (x from and to, y from and to) in the user's
// number format. Enter applies them; a range that cannot be shown is refused with a message in
// the dialog, which stays open to mend it.
#pragma once

#include "PlotSpan.h"

#include <QDialog>
#include <QLocale>

#include <functional>
#include <optional>

class QLabel;
class QLineEdit;

namespace pellitor::graph {

class ViewRangeDialog : public QDialog {
    Q_OBJECT
public:
    // Shows the view; nothing when it was shown, else the message that says why not.
    using Apply = std::function<QString(const plot::Span& xs, const plot::Span& ys)>;

    ViewRangeDialog(const plot::Span& xs, const plot::Span& ys, const QLocale& locale, Apply apply,
                    QWidget* parent = nullptr);

    QString message() const;

    void accept() override;

private:
    QLineEdit* field(const QString& name, const QString& accessibleName, double value);
    // The number in field, or nothing when it is not one.
    std::optional<double> read(const QLineEdit* field) const;

    QLocale m_locale;
    Apply m_apply;
    QLineEdit* m_xFrom;
    QLineEdit* m_xTo;
    QLineEdit* m_yFrom;
    QLineEdit* m_yTo;
    QLabel* m_message;
};

} // namespace pellitor::graph

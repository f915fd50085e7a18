// The messages that the engine and the Calculate command show, and their translations.
#include "TranslatedMessageBox.h"

#include "MiddleEllipsis.h"

#include <QRegularExpression>

#include <array>

namespace pellitor {

namespace {

constexpr const char* Context = "pellitor::TranslatedMessageBox";

// Titles and messages shown as they stand.
constexpr std::array Fixed{
    QT_TRANSLATE_NOOP("pellitor::TranslatedMessageBox", "Syntax Error"),
    QT_TRANSLATE_NOOP("pellitor::TranslatedMessageBox", "Error"),
    // the translator's faults, after "Character N:  "
    QT_TRANSLATE_NOOP("pellitor::TranslatedMessageBox", "Operator expected"),
    QT_TRANSLATE_NOOP("pellitor::TranslatedMessageBox", "Operand expected"),
    QT_TRANSLATE_NOOP("pellitor::TranslatedMessageBox", "Closing parenthesis without matching open parenthesis"),
    QT_TRANSLATE_NOOP("pellitor::TranslatedMessageBox", "Operand contains multiple decimal points"),
    QT_TRANSLATE_NOOP("pellitor::TranslatedMessageBox", "Invalid operand"),
    QT_TRANSLATE_NOOP("pellitor::TranslatedMessageBox", "Open parenthesis expected"),
    QT_TRANSLATE_NOOP("pellitor::TranslatedMessageBox", "Unexpected character encountered"),
    QT_TRANSLATE_NOOP("pellitor::TranslatedMessageBox", "Closing parenthesis expected"),
    // the Calculate command's
    QT_TRANSLATE_NOOP("pellitor::TranslatedMessageBox", "The expression is illegal."),
    QT_TRANSLATE_NOOP("pellitor::TranslatedMessageBox", "Illegal data exist."),
    QT_TRANSLATE_NOOP("pellitor::TranslatedMessageBox", "The parameter is beyond the range of a 32-bit number."),
    QT_TRANSLATE_NOOP("pellitor::TranslatedMessageBox", "Out of memory."),
    // the errors an evaluation raises
    QT_TRANSLATE_NOOP("pellitor::TranslatedMessageBox", "Overflow"),
    QT_TRANSLATE_NOOP("pellitor::TranslatedMessageBox", "Division by zero"),
    QT_TRANSLATE_NOOP("pellitor::TranslatedMessageBox", "Invalid procedure call or argument"),
    QT_TRANSLATE_NOOP("pellitor::TranslatedMessageBox", "Subscript out of range"),
    QT_TRANSLATE_NOOP("pellitor::TranslatedMessageBox", "Pop method invoked on empty stack"),
    QT_TRANSLATE_NOOP("pellitor::TranslatedMessageBox", "GetPopValue method invoked on empty stack"),
};

// Messages with one part that is not translated (a name, a token): %1 stands for it.
constexpr std::array WithArgument{
    QT_TRANSLATE_NOOP("pellitor::TranslatedMessageBox", "Undefined symbol : '%1'"),
    QT_TRANSLATE_NOOP("pellitor::TranslatedMessageBox", "Bad token in Evaluate: %1"),
    // Help's, with the help page's path
    QT_TRANSLATE_NOOP("pellitor::TranslatedMessageBox", "No program could open the help page. It is here:\n%1"),
};

} // namespace

TranslatedMessageBox::TranslatedMessageBox(platform::MessageBox& shown) : m_shown(shown) {}

void TranslatedMessageBox::showMessage(const std::u16string& text, const std::u16string& title, std::int32_t style)
{
    m_shown.showMessage(translate(withShortenedName(QString::fromStdU16String(text))).toStdU16String(),
                        translate(QString::fromStdU16String(title)).toStdU16String(), style);
}

QString TranslatedMessageBox::withShortenedName(const QString& text)
{
    // "Character N:  Undefined symbol : '" + the name + "'": the name is letters and underscores.
    static const QLatin1String quote("Undefined symbol : '");
    const qsizetype at = text.indexOf(quote);
    if (at < 0 || !text.endsWith(u'\''))
        return text;
    const qsizetype from = at + quote.size();
    const qsizetype length = text.size() - 1 - from;
    if (length <= LongestQuotedName)
        return text;
    return text.left(from) + graph::shortenedInTheMiddle(QStringView(text).sliced(from, length), LongestQuotedName)
           + u'\'';
}

QString TranslatedMessageBox::translate(const QString& text)
{
    for (const char* source : Fixed) {
        if (text == QLatin1String(source))
            return QCoreApplication::translate(Context, source);
    }
    // A syntax error: "Character " + its position + ":  " + one of the translator's faults.
    static const QRegularExpression syntaxError(QStringLiteral("^Character ([0-9]+):  (.*)$"),
                                                QRegularExpression::DotMatchesEverythingOption);
    if (const QRegularExpressionMatch match = syntaxError.match(text); match.hasMatch())
        return tr("Character %1:  %2").arg(match.captured(1), translate(match.captured(2)));
    for (const char* source : WithArgument) {
        const QString pattern = QLatin1String(source);
        const qsizetype at = pattern.indexOf(u"%1");
        const QStringView before = QStringView(pattern).left(at);
        const QStringView after = QStringView(pattern).mid(at + 2);
        if (text.size() >= before.size() + after.size() && text.startsWith(before) && text.endsWith(after)) {
            const QString argument = text.mid(before.size(), text.size() - before.size() - after.size());
            return QCoreApplication::translate(Context, source).arg(argument);
        }
    }
    return text;
}

} // namespace pellitor

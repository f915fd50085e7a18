// The window's message boxes in the user's language. The engine and the Calculate command write
// their messages in English, as pellitor-calc prints them; this box shows each in the installed
// translation and hands it on to the box that shows it. An undefined symbol's name is quoted
// shortened in the middle when it is long: a box that laid out millions of letters would take
// minutes to appear and would not fit the screen.
#pragma once

#include "MessageBox.h"

#include <QCoreApplication>
#include <QString>

namespace pellitor {

class TranslatedMessageBox final : public platform::MessageBox {
    Q_DECLARE_TR_FUNCTIONS(pellitor::TranslatedMessageBox)
public:
    // shown is the box that shows the translated texts; the caller keeps it.
    explicit TranslatedMessageBox(platform::MessageBox& shown);

    void showMessage(const std::u16string& text, const std::u16string& title, std::int32_t style) override;

    // The translation of a message's text or title. A syntax error's position, a symbol as the
    // user typed it and a token stay as they are, inside the translated words; a text this box
    // does not know is shown as it is.
    static QString translate(const QString& text);

    // Names up to this long are quoted whole.
    static constexpr qsizetype LongestQuotedName = 64;
    // The message with a longer undefined symbol's name cut to its first and last characters,
    // LongestQuotedName of them, with an ellipsis between.
    static QString withShortenedName(const QString& text);

private:
    platform::MessageBox& m_shown;
};

} // namespace pellitor

// The message-box seam and its default, which writes each box as one line to stderr.
#include "MessageBox.h"

#include "TextCodec.h"

#include <cstdio>

namespace pellitor::platform {

namespace {
class StderrMessageBox final : public MessageBox {
public:
    void showMessage(const std::u16string& text, const std::u16string& title, std::int32_t) override
    {
        const std::string line = toUtf8(title) + ": " + toUtf8(text) + "\n";
        std::fwrite(line.data(), 1, line.size(), stderr);
        std::fflush(stderr);
    }
};

} // namespace

void MessageBox::show(const std::u16string& text, const std::u16string& title, std::int32_t style)
{
    current().showMessage(text, title, style);
}

void MessageBox::showOver(QWidget* owner, const std::u16string& text, const std::u16string& title, std::int32_t style)
{
    current().showMessageOver(owner, text, title, style);
}

void MessageBox::showMessageOver(QWidget*, const std::u16string& text, const std::u16string& title, std::int32_t style)
{
    showMessage(text, title, style);
}

MessageBox& MessageBox::standard()
{
    static StderrMessageBox box;
    return box;
}

} // namespace pellitor::platform

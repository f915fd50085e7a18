// The document opener on QDesktopServices.
#include "DocumentOpener.h"

#include <QDesktopServices>
#include <QUrl>

namespace pellitor::platform {

namespace {
class DesktopOpener final : public DocumentOpener {
public:
    void open(QWidget*, const QString& document) override
    {
        // A text with a scheme is an address; anything else is a path, so a file name with a
        // colon or a "#" in it is never read as a URL.
        const QUrl address(document, QUrl::StrictMode);
        const bool isAddress = address.isValid() && address.scheme().size() > 1 && !address.host().isEmpty();
        QDesktopServices::openUrl(isAddress ? address : QUrl::fromLocalFile(document));
    }
};

DesktopOpener desktopOpener;
DocumentOpener* installed = &desktopOpener;
} // namespace

DocumentOpener& DocumentOpener::current()
{
    return *installed;
}

DocumentOpener* DocumentOpener::install(DocumentOpener* opener)
{
    DocumentOpener* previous = installed;
    installed = opener ? opener : &desktopOpener;
    return previous;
}

void openDocument(QWidget* owner, const QString& document)
{
    installed->open(owner, document);
}

} // namespace pellitor::platform

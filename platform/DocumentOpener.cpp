// The document opener on QDesktopServices.
#include "DocumentOpener.h"

#include <QDesktopServices>
#include <QUrl>

namespace pellitor::platform {

namespace {
class DesktopOpener final : public DocumentOpener {
public:
    bool open(QWidget*, const QString& document) override
    {
        // A text with a scheme is an address; anything else is a path, so a file name with a
        // colon or a "#" in it is never read as a URL.
        const QUrl address(document, QUrl::StrictMode);
        const bool isAddress = address.isValid() && address.scheme().size() > 1
                               && (!address.host().isEmpty() || document.startsWith(u"file:///"));
        // False when Qt finds no launcher (xdg-open and the desktop's own are missing) or cannot
        // start it.
        return QDesktopServices::openUrl(isAddress ? address : QUrl::fromLocalFile(document));
    }
};

} // namespace

DocumentOpener& DocumentOpener::standard()
{
    static DesktopOpener opener;
    return opener;
}

bool openDocument(QWidget* owner, const QString& document)
{
    return DocumentOpener::current().open(owner, document);
}

} // namespace pellitor::platform

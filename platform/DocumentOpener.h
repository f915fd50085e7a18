// Opening a document or a web address with the desktop's default handler, behind a seam: Help and
// the About window's link open through it, and tests install a recorder instead.
#pragma once

#include "Installable.h"

#include <QString>

class QWidget;

namespace pellitor::platform {

class DocumentOpener : public Installable<DocumentOpener> {
public:
    virtual ~DocumentOpener() = default;

    // Asks the desktop to open document (a file path, a file's address "file:///..." with a
    // section after "#", or an address with a scheme such as "https://") on behalf of owner. False when no program
    // could take it (none is set up to open such documents); what that program then makes of it (a missing file) is its
    // own business.
    virtual bool open(QWidget* owner, const QString& document) = 0;

private:
    friend class Installable<DocumentOpener>;
    // The default asks the desktop.
    static DocumentOpener& standard();
};

// Opens document through the current opener; false when no program could take it.
bool openDocument(QWidget* owner, const QString& document);

} // namespace pellitor::platform

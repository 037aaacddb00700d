#pragma once
#include "contact.h"

#include <QString>

namespace ql {

// The product's web site, named in the help texts.
inline const QString kWebSite = QStringLiteral("www.quillory.org");
inline const QString kVersion = QStringLiteral("1.0");

// The fixed texts of the Instructions and Help menus, each shown in one message box.
struct HelpText {
    QString title;
    QString text;
};

HelpText instructions_text();
HelpText help_text();
HelpText troubleshooting_text();
HelpText about_text();

}  // namespace ql

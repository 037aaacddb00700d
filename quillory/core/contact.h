#pragma once
#include <QString>

namespace ql::contact {

// The one maintainer every prompt, message and help text names: a user who sees two different
// addresses or numbers cannot tell which one reaches him.
inline const QString kMaintainerName = QStringLiteral("Orrin Vale");
inline const QString kEmail = QStringLiteral("orrin.vale@quillory.org");
inline const QString kPhone = QStringLiteral("+1 555 0142");
// Contributors' archives go to a separate mailbox; the maintainer's own address is not for them.
inline const QString kSubmissionAddress = QStringLiteral("words@quillory.org");

}  // namespace ql::contact

#include "cache_file.h"

#include <QDir>
#include <QSaveFile>

namespace ql {

void store_cache_file(const QString& folder, const QString& path, const QByteArray& bytes) {
    QDir().mkpath(folder);
    QSaveFile out(path);
    if (out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size())
        out.commit();
    else
        out.cancelWriting();
}

}  // namespace ql

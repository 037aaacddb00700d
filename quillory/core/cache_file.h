#pragma once
#include <QByteArray>
#include <QString>

namespace ql {

// Writes a cached clip beside its final name and renames it into place, making the folder first: a
// reader never sees half a clip. A failed write leaves nothing, and the clip is simply made again.
void store_cache_file(const QString& folder, const QString& path, const QByteArray& bytes);

}  // namespace ql

#pragma once

namespace ql {

// Which word column is selecting the same row in the other; that one's click handler must not
// select back.
enum class ColumnSync { None, FromWords, FromTranslations };

// Marks a column click as the source of the selection it makes in the other column, for as long
// as the guard lives.
class ColumnSyncGuard {
public:
    ColumnSyncGuard(ColumnSync& sync, ColumnSync source) : sync_(sync) { sync_ = source; }
    ~ColumnSyncGuard() { sync_ = ColumnSync::None; }
    ColumnSyncGuard(const ColumnSyncGuard&) = delete;
    ColumnSyncGuard& operator=(const ColumnSyncGuard&) = delete;

private:
    ColumnSync& sync_;
};

}  // namespace ql

#pragma once
#include <QAccessible>
#include <QWidget>

namespace ql::testing {

// What a screen reader announces for `w`.
inline QString accessible_name(QWidget* w) {
    QAccessibleInterface* i = w ? QAccessible::queryAccessibleInterface(w) : nullptr;
    return i ? i->text(QAccessible::Name) : QString();
}

}  // namespace ql::testing

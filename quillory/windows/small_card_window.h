#pragma once
#include "card_window_base.h"

namespace ql {

// The small flash card that stays above other windows, so a student can drill while working in
// another program.
class SmallCardWindow : public CardWindowBase {
    Q_OBJECT
public:
    explicit SmallCardWindow(const RunContext& run, QWidget* parent = nullptr);

    // Opens a new card and runs its drill; returns when the drill returns.
    static void open(const RunContext& run);
};

}  // namespace ql

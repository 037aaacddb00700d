#pragma once
#include "qlplay_card.h"

namespace ql {

// The small flash card that stays above other windows, so a student can drill while working in
// another program.
class QlPlay2 : public FlashCardWindow {
    Q_OBJECT
public:
    explicit QlPlay2(Qlmod& m, QWidget* parent = nullptr);

    // Opens a new card and runs its drill; returns when the drill returns.
    static void open(Qlmod& m);
};

}  // namespace ql

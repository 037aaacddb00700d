#pragma once
#include "card_window_base.h"

class QProgressBar;

namespace ql {

// "Random Word Play": the large flash cards, with the MP3 commands.
class LargeCardWindow : public CardWindowBase {
    Q_OBJECT
public:
    explicit LargeCardWindow(const RunContext& run, QWidget* parent = nullptr);

    // Opens a new window and runs its drill; the main window is expected hidden unless
    // `main_stays_visible`. Returns when the drill returns; the window deletes itself once closed.
    static void open(const RunContext& run, bool main_stays_visible);

    void set_mp3_text(const QString& text) override;
    void set_progress(int done, int total) override;
    void set_top_text(const QString& text) override;

    // "Say It" (key S): pauses the drill, practises the word on screen, and goes on drilling once the
    // practice panel is closed.
    void on_say_it();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Say It practises the word on the card, heard through the one player.
    Player& player_;
    const LanguageSession& lang_;
    const ShownWords& shown_;
    QLabel* compilation_label_;
    QProgressBar* progress_;
    QPushButton* say_it_;
};

}  // namespace ql

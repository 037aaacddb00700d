#pragma once
#include "core/silence_trim.h"
#include "core/take_check.h"

#include <QByteArray>
#include <QWidget>

class QLabel;
#include <optional>
#include <utility>
#include <vector>

namespace ql {

// The waveform of the last take, with the stretches that silence trimming cut away shaded, so that
// a contributor sees at a glance whether the word was kept whole.
class TakeWave : public QWidget {
    Q_OBJECT
public:
    explicit TakeWave(QWidget* parent = nullptr);

    // A take of 16-bit little-endian mono samples at `rate`; `kept` is the stretch of bytes that is
    // stored, or std::nullopt when the whole take is.
    // The drawing is scaled so that the take's peak fills the height; the scale is written on it.
    void show_take(const QByteArray& take, int rate, std::optional<TrimBounds> kept);
    void clear();
    bool has_take() const { return samples_ > 0; }
    // How many times larger than full scale the take is drawn (1 for a take that peaks at full scale).
    double gain() const { return gain_; }
    // What the drawing says of its scale: "Peak -33 dBFS, drawn 45 times larger".
    QString scale_text() const { return scale_text_; }

    QSize sizeHint() const override { return {400, 60}; }
    QSize minimumSizeHint() const override { return {80, 30}; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    // Lowest and highest sample of each stretch; a long take is drawn from this, not from every sample.
    std::vector<std::pair<qint16, qint16>> envelope_;
    qsizetype samples_ = 0;
    qsizetype kept_first_ = 0, kept_last_ = 0;  // samples
    bool trimmed_ = false;
    double gain_ = 1.0;
    QString scale_text_;
};

// The last take as the record-and-edit window shows it: its waveform and, beside it, what the take
// check noticed, under the word the take is of ("azul:", then "Too quiet", "Clipped", "Very short" a
// line each; nothing when the take is fine). The run moves the selection on to the next word, so the
// note names its own.
class TakePanel : public QWidget {
    Q_OBJECT
public:
    explicit TakePanel(QWidget* parent = nullptr);
    // A take of `word` as recorded, before it is stored, and what its check noticed; `trimmed` when
    // silence trimming cuts it.
    void show_take(const QByteArray& take, int rate, const TakeCheck& check, bool trimmed, const QString& word = QString());

    TakeWave* wave = nullptr;    // objectName "take_wave"
    QLabel* note = nullptr;      // objectName "take_note"
};

}  // namespace ql

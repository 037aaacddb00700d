#include "take_wave.h"

#include "core/take_check.h"
#include "core/ui_text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace ql {

namespace {

// Enough columns for any screen; a 30 s take is 661,500 samples.
constexpr qsizetype kBuckets = 2048;
// The widest the word above a take's note is drawn, in pixels.
constexpr int kMostWordWidth = 160;

}  // namespace

TakeWave::TakeWave(QWidget* parent) : QWidget(parent) {
    setAccessibleName(Quillory::tr("Last take"));
    setAccessibleDescription(Quillory::tr("No take recorded yet"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void TakeWave::clear() {
    envelope_.clear();
    samples_ = 0;
    trimmed_ = false;
    gain_ = 1.0;
    scale_text_.clear();
    setAccessibleDescription(Quillory::tr("No take recorded yet"));
    update();
}

void TakeWave::show_take(const QByteArray& take, int rate, std::optional<TrimBounds> kept) {
    samples_ = take.size() / 2;
    envelope_.clear();
    if (samples_ == 0 || rate <= 0) return clear();
    const qsizetype buckets = std::min(samples_, kBuckets);
    envelope_.reserve(size_t(buckets));
    const auto* bytes = take.constData();
    for (qsizetype k = 0; k < buckets; ++k) {
        const qsizetype from = k * samples_ / buckets, to = std::max(from + 1, (k + 1) * samples_ / buckets);
        qint16 lo = 32767, hi = -32768;
        for (qsizetype i = from; i < to; ++i) {
            qint16 s;
            std::memcpy(&s, bytes + 2 * i, 2);
            lo = std::min(lo, s);
            hi = std::max(hi, s);
        }
        envelope_.emplace_back(lo, hi);
    }
    // A quiet take drawn at full scale is a flat line: draw it to its peak and say so. The gain stops
    // at 1000 (60 dB), so a silent take stays flat rather than blowing up its noise.
    int peak = 0;
    for (const auto& [lo, hi] : envelope_) peak = std::max({peak, -int(lo), int(hi)});
    if (peak == 0) {
        gain_ = 1.0;
        scale_text_ = Quillory::tr("Silent take");
    } else {
        gain_ = std::clamp(32768.0 / peak, 1.0, 1000.0);
        const QString dbfs = QString::number(20.0 * std::log10(std::min(peak, 32767) / 32767.0), 'f', 0);
        const QString peak = dbfs == QStringLiteral("-0") ? QStringLiteral("0") : dbfs;
        scale_text_ = gain_ < 1.05 ? Quillory::tr("Peak %1 dBFS, drawn at full scale").arg(peak)
                                   : Quillory::tr("Peak %1 dBFS, drawn %2 times larger")
                                         .arg(peak, QString::number(gain_, 'f', gain_ < 10 ? 1 : 0));
    }
    trimmed_ = kept.has_value();
    kept_first_ = trimmed_ ? std::clamp<qsizetype>(kept->start / 2, 0, samples_ - 1) : 0;
    kept_last_ = trimmed_ ? std::clamp<qsizetype>(kept->end / 2, kept_first_, samples_ - 1) : samples_ - 1;
    const double all = double(samples_) / rate, kept_s = double(kept_last_ - kept_first_ + 1) / rate;
    setAccessibleDescription((trimmed_ ? Quillory::tr("%1 s recorded, %2 s kept").arg(all, 0, 'f', 2).arg(kept_s, 0, 'f', 2)
                                       : Quillory::tr("%1 s recorded, all kept").arg(all, 0, 'f', 2)) +
                             QStringLiteral("; ") + scale_text_);
    update();
}

void TakeWave::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    p.fillRect(r, palette().color(QPalette::Base));
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(r);
    const int w = r.width() - 1, h = r.height() - 1;
    const double mid = r.top() + 1 + h / 2.0;
    p.drawLine(QPointF(r.left() + 1, mid), QPointF(r.right() - 1, mid));
    if (envelope_.empty() || w <= 0 || h <= 0) return;

    // One vertical stroke per pixel column from the lowest to the highest sample under it.
    const double half = h / 2.0 - 1;
    const auto n = qsizetype(envelope_.size());
    p.setPen(QColor(0x20, 0x4A, 0x87));
    for (int x = 0; x < w; ++x) {
        const qsizetype from = qsizetype(x) * n / w, to = std::max(from + 1, qsizetype(x + 1) * n / w);
        qint16 lo = 32767, hi = -32768;
        for (qsizetype k = from; k < to && k < n; ++k) {
            lo = std::min(lo, envelope_[size_t(k)].first);
            hi = std::max(hi, envelope_[size_t(k)].second);
        }
        const double top = mid - std::min(hi * gain_ / 32768.0, 1.0) * half;
        const double bottom = mid - std::max(lo * gain_ / 32768.0, -1.0) * half;
        p.drawLine(QPointF(r.left() + 1 + x, top), QPointF(r.left() + 1 + x, std::max(bottom, top + 1)));
    }

    if (trimmed_) {
        // What trimming cut away is shaded over the drawn wave.
        auto column = [&](qsizetype sample) { return r.left() + 1 + double(sample) * w / double(samples_); };
        const QColor shade(0x60, 0x60, 0x60, 0x90);
        const double keep_from = column(kept_first_), keep_to = column(kept_last_ + 1);
        p.fillRect(QRectF(QPointF(r.left() + 1, r.top() + 1), QPointF(keep_from, r.bottom())), shade);
        p.fillRect(QRectF(QPointF(keep_to, r.top() + 1), QPointF(r.right(), r.bottom())), shade);
    }

    // The scale, in the top left corner on a backing that keeps it readable over the wave.
    QFont f = font();
    f.setPointSizeF(f.pointSizeF() * 0.85);
    p.setFont(f);
    const QFontMetrics fm(f);
    const QRect text_box(r.left() + 3, r.top() + 2, fm.horizontalAdvance(scale_text_) + 6, fm.height());
    QColor backing = palette().color(QPalette::Base);
    backing.setAlpha(0xC0);
    p.fillRect(text_box, backing);
    p.setPen(palette().color(QPalette::Text));
    p.drawText(text_box, Qt::AlignCenter, scale_text_);
}

TakePanel::TakePanel(QWidget* parent) : QWidget(parent) {
    wave = new TakeWave(this);
    wave->setObjectName(QStringLiteral("take_wave"));
    note = new QLabel(this);
    note->setObjectName(QStringLiteral("take_note"));
    note->setAccessibleDescription(Quillory::tr("What the check of the last take noticed"));
    // One note a line, never broken inside: the label is as wide as its longest line, and a long
    // word is cut short with an ellipsis so that the wave keeps most of the row.
    note->setWordWrap(false);
    note->setTextFormat(Qt::PlainText);
    note->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont f = note->font();
    f.setBold(true);
    note->setFont(f);
    QPalette p = note->palette();
    p.setColor(QPalette::WindowText, QColor(0xB0, 0x10, 0x10));
    note->setPalette(p);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(wave, 1);
    row->addWidget(note);
}

void TakePanel::show_take(const QByteArray& take, int rate, const TakeCheck& c, bool trimmed, const QString& word) {
    wave->show_take(take, rate, trimmed ? std::optional<TrimBounds>(c.speech) : std::nullopt);
    QString text;
    if (!c.notes.isEmpty()) {
        const QString shown_word = note->fontMetrics().elidedText(word.simplified(), Qt::ElideRight, kMostWordWidth);
        text = (shown_word.isEmpty() ? QString() : shown_word + QStringLiteral(":\n")) + c.notes.join(u'\n');
    }
    note->setText(text);
    // Read out as one sentence: "azul: Too quiet, Very short".
    note->setAccessibleName(c.notes.isEmpty() ? QString()
                                              : (word.isEmpty() ? QString() : word.simplified() + QStringLiteral(": ")) +
                                                    c.notes.join(QStringLiteral(", ")));
}

}  // namespace ql

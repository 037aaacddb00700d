#include "take_wave.h"

#include "core/take_check.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <algorithm>
#include <cstring>

namespace ql {

namespace {

// Enough columns for any screen; a 30 s take is 661,500 samples.
constexpr qsizetype kBuckets = 2048;

}  // namespace

TakeWave::TakeWave(QWidget* parent) : QWidget(parent) {
    setAccessibleName(QStringLiteral("Last take"));
    setAccessibleDescription(QStringLiteral("No take recorded yet"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void TakeWave::clear() {
    envelope_.clear();
    samples_ = 0;
    trimmed_ = false;
    setAccessibleDescription(QStringLiteral("No take recorded yet"));
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
    trimmed_ = kept.has_value();
    kept_first_ = trimmed_ ? std::clamp<qsizetype>(kept->start / 2, 0, samples_ - 1) : 0;
    kept_last_ = trimmed_ ? std::clamp<qsizetype>(kept->end / 2, kept_first_, samples_ - 1) : samples_ - 1;
    const double all = double(samples_) / rate, kept_s = double(kept_last_ - kept_first_ + 1) / rate;
    setAccessibleDescription(trimmed_ ? QStringLiteral("%1 s recorded, %2 s kept").arg(all, 0, 'f', 2).arg(kept_s, 0, 'f', 2)
                                      : QStringLiteral("%1 s recorded, all kept").arg(all, 0, 'f', 2));
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
        const double top = mid - hi / 32768.0 * half, bottom = mid - lo / 32768.0 * half;
        p.drawLine(QPointF(r.left() + 1 + x, top), QPointF(r.left() + 1 + x, std::max(bottom, top + 1)));
    }

    if (!trimmed_) return;
    // What trimming cut away is shaded over the drawn wave.
    auto column = [&](qsizetype sample) { return r.left() + 1 + double(sample) * w / double(samples_); };
    const QColor shade(0x60, 0x60, 0x60, 0x90);
    const double keep_from = column(kept_first_), keep_to = column(kept_last_ + 1);
    p.fillRect(QRectF(QPointF(r.left() + 1, r.top() + 1), QPointF(keep_from, r.bottom())), shade);
    p.fillRect(QRectF(QPointF(keep_to, r.top() + 1), QPointF(r.right(), r.bottom())), shade);
}

TakePanel::TakePanel(QWidget* parent) : QWidget(parent) {
    wave = new TakeWave(this);
    wave->setObjectName(QStringLiteral("take_wave"));
    note = new QLabel(this);
    note->setObjectName(QStringLiteral("take_note"));
    note->setAccessibleDescription(QStringLiteral("What the check of the last take noticed"));
    note->setWordWrap(true);
    note->setFixedWidth(110);  // the wave keeps its width whatever the note says
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

void TakePanel::show_take(const QByteArray& take, int rate, bool trimmed) {
    const TakeCheck c = check_take(take, rate);
    wave->show_take(take, rate, trimmed ? std::optional<TrimBounds>(c.speech) : std::nullopt);
    const QString text = c.notes.join(QStringLiteral(", "));
    note->setText(text);
    note->setAccessibleName(text);
}

}  // namespace ql

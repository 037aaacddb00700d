// How long a contributor waits between the end of a take and its stored recording: trimming,
// the raw file, enciphering through the cipher library and removing the raw file, for a 5-second
// take. Reference, measured in the same run: writing the same bytes to a new file once.
#include "bench/bench_stats.h"
#include "core/new_recordings.h"
#include "support/run_pieces.h"
#include "core/recording.h"
#include "core/prompter.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

using ql::testing::RunPieces;

namespace {

class SilentPrompter : public ql::Prompter {
public:
    void message(const QString& text, const QString&) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
    bool ok_cancel(const QString&, const QString&) override { return false; }
    std::optional<QString> input(const QString&, const QString&, const QString&) override { return std::nullopt; }
};

QByteArray five_second_take() {
    QByteArray b;
    const int n = 5 * 22050;
    b.reserve(2 * n);
    for (int k = 0; k < n; ++k) {
        const double t = double(k) / 22050.0;
        const double v = (t > 0.4 && t < 4.2) ? 12000.0 * std::sin(2 * M_PI * 180 * t) * std::sin(M_PI * t / 5) : 0.0;
        const auto s = std::uint16_t(std::int16_t(std::lround(v + double(k % 5) - 2)));
        b += char(s & 0xff);
        b += char(s >> 8);
    }
    return b;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    SilentPrompter prompter;
    ql::testing::RunPieces m;
    m.prompter = &prompter;
    const QString str = dir.path() + QStringLiteral("/70000.str");
    const QString plain = dir.path() + QStringLiteral("/plain.raw");
    const QByteArray take = five_second_take();

    // The first call loads the cipher library, which happens once per run of the program.
    if (ql::store_take(m.prompter, str, take, false) != ql::TakeResult::Stored) {
        std::fprintf(stderr, "the take could not be stored\n");
        return 1;
    }

    const int runs = 41;
    std::vector<double> store_ms, write_ms;
    for (int r = 0; r < runs; ++r) {
        QFile::remove(plain);
        QElapsedTimer t;
        t.start();
        QFile f(plain);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(take);
        f.close();
        write_ms.push_back(double(t.nsecsElapsed()) / 1e6);

        QFile::remove(str);
        t.restart();
        ql::store_take(m.prompter, str, take, false);
        store_ms.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    const double store = median(store_ms), write = median(write_ms);
    std::printf("5-second take (%lld bytes) to its .str on disk, median of %d runs\n", static_cast<long long>(take.size()), runs);
    std::printf("  reference, writing the raw bytes once: %8.3f ms\n", write);
    std::printf("  take to .str:                         %8.3f ms  (%.1f x the reference)\n", store, store / write);
    std::printf("  target 50 ms: %.2f of the target used -> %s\n", store / 50.0, store < 50.0 ? "met" : "NOT met");
    return 0;
}

// How well "Say It" tells a word from other words, and how long the learner waits for the score.
//
// The corpus is made in this run with espeak-ng: 60 Spanish words (every word of the sample lists and
// a few more, among them the near pairs perro/pero and casa/caza), each spoken
//   - as the sample recordings are made: voice "es", 140 words a minute, encoded to MP3 and decoded
//     again, as the reference;
//   - by other voices as the learner's takes, padded with silence and a little noise as a microphone
//     gives them, and cut by the program's silence trimming:
//       calibration: the male variant es+m3 at 125 words a minute, pitch 35, and the female
//                    variant es-419+f4 at 150 words a minute, pitch 55;
//       evaluation:  es-419 at 165 words a minute, pitch 65, and the female variant es+f3 at 120
//                    words a minute, pitch 70.
// The calibration condition measures the score's anchors (the same-word median, the equal-error
// distance, the different-word median); the program's constants are these figures, and the evaluation
// conditions, which the anchors never saw, show how they hold: top-1 (the word's own reference scores
// best of all 60) and the share of words whose own reference scores 70 or more.
//
// Time from the take's end to the score, for a 2-second take, against a reference measured in the same
// run: the take check (loudness, peak, clipping) every recorded take already gets.
#include "bench/bench_stats.h"
#include "core/mp3_encode.h"
#include "core/say_it/practice.h"
#include "core/say_it/pronunciation.h"
#include "core/take_check.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

using namespace ql::say_it;

namespace {

const char* const kWords[] = {
    "rojo", "azul", "verde", "amarillo", "negro", "blanco", "gris", "marrón", "naranja", "rosa",
    "morado", "dorado", "uno", "dos", "tres", "cuatro", "cinco", "seis", "siete", "ocho",
    "nueve", "diez", "once", "doce", "veinte", "cien", "mil", "gato", "perro", "caballo",
    "vaca", "pájaro", "pez", "ratón", "león", "oso", "conejo", "cerdo", "oveja", "casa",
    "cama", "boca", "niño", "café", "comer", "comida", "devorar", "batir", "pan", "agua",
    "mesa", "leche", "cocina", "la sobremesa", "pero", "caza", "ventana", "libro", "zapato", "ciudad"};
constexpr int kWordCount = int(sizeof(kWords) / sizeof(kWords[0]));

struct Voice {
    const char* name;
    const char* voice;
    int speed, pitch;
};

std::vector<int16_t> speak(const QString& dir, const Voice& v, const QString& word) {
    const QString wav = dir + QStringLiteral("/w.wav");
    QProcess p;
    p.start(QStringLiteral("espeak-ng"), {QStringLiteral("-v"), QString::fromLatin1(v.voice), QStringLiteral("-s"),
                                           QString::number(v.speed), QStringLiteral("-p"), QString::number(v.pitch),
                                           QStringLiteral("-w"), wav});
    if (!p.waitForStarted()) return {};
    p.write(word.toUtf8());
    p.closeWriteChannel();
    if (!p.waitForFinished(60000) || p.exitCode() != 0) return {};
    QFile f(wav);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray b = f.readAll();
    const int at = b.indexOf("data");
    if (at < 0 || at + 8 > b.size()) return {};
    std::vector<int16_t> pcm(size_t((b.size() - at - 8) / 2));
    std::memcpy(pcm.data(), b.constData() + at + 8, pcm.size() * 2);
    return pcm;
}

// A take as the microphone gives it: silence before and after, a faint noise floor, `seconds` long
// at least; cut by the program's silence trimming as every take is.
QByteArray as_take(const std::vector<int16_t>& word, double seconds, std::mt19937& rng) {
    const size_t lead = 22050 * 3 / 10;
    const size_t n = std::max(size_t(seconds * 22050), lead + word.size() + 22050 / 10);
    std::normal_distribution<double> noise(0.0, 20.0);  // about -64 dBFS
    QByteArray b(qsizetype(n) * 2, '\0');
    for (size_t k = 0; k < n; ++k) {
        double v = noise(rng);
        if (k >= lead && k - lead < word.size()) v += word[k - lead];
        const int16_t s = int16_t(std::clamp<long>(std::lround(v), -32768, 32767));
        std::memcpy(b.data() + 2 * k, &s, 2);
    }
    return b;
}

Utterance take_utterance(const QByteArray& take) { return analyse(trimmed_samples(take), 22050); }

struct Condition {
    std::vector<Utterance> takes;
};

double quantile(std::vector<double> v, double q) {
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(q * double(v.size() - 1) + 0.5))];
}

// The distance where a same-word pair is called "different" as often as a different-word pair is
// called "same".
// When the two do not overlap, every distance between the farthest same-word pair and the nearest
// different-word pair has no error at all, and the middle of that stretch is taken.
double equal_error(const std::vector<double>& same, const std::vector<double>& diff) {
    double gap = 1e9, lo = 0, hi = 0;
    for (double t = 0.0; t < 20.0; t += 0.001) {
        const double miss = double(std::count_if(same.begin(), same.end(), [&](double d) { return d > t; })) / same.size();
        const double false_hit = double(std::count_if(diff.begin(), diff.end(), [&](double d) { return d <= t; })) / diff.size();
        const double g = std::abs(miss - false_hit);
        if (g < gap - 1e-12) gap = g, lo = hi = t;
        else if (g <= gap + 1e-12 && t - hi < 0.0015) hi = t;
    }
    return (lo + hi) / 2.0;
}

int index_of(const char* w) {
    for (int i = 0; i < kWordCount; ++i)
        if (QString::fromUtf8(kWords[i]) == QString::fromUtf8(w)) return i;
    return -1;
}

// The references (the reference voice through the MP3 encoder and decoder, as recordings are kept)
// and the takes of other voices, padded and trimmed as the microphone's are.
struct Corpus {
    QTemporaryDir dir;
    std::mt19937 rng{25};
    std::vector<Utterance> refs;
    std::vector<std::vector<int16_t>> ref_pcm;

    bool make_references(const Voice& v) {
        for (int w = 0; w < kWordCount; ++w) {
            const std::vector<int16_t> spoken = speak(dir.path(), v, QString::fromUtf8(kWords[w]));
            const QString mp3 = dir.path() + QStringLiteral("/ref.mp3");
            QFile f(mp3);
            if (spoken.empty() || !f.open(QIODevice::WriteOnly) || f.write(ql::encode_mp3(spoken)) <= 0) {
                std::fprintf(stderr, "could not make the reference of %s\n", kWords[w]);
                return false;
            }
            f.close();
            QString error;
            const auto decoded = decode_recording(mp3, &error);
            if (!decoded) {
                std::fprintf(stderr, "%s\n", qPrintable(error));
                return false;
            }
            ref_pcm.push_back(*decoded);
            refs.push_back(analyse(*decoded, 22050));
        }
        return true;
    }

    Condition takes(const Voice& v) {
        Condition c;
        for (int w = 0; w < kWordCount; ++w) {
            const std::vector<int16_t> spoken = speak(dir.path(), v, QString::fromUtf8(kWords[w]));
            c.takes.push_back(take_utterance(as_take(spoken, take_seconds_for(ref_pcm[size_t(w)], 22050), rng)));
        }
        return c;
    }
};

void calibrate(Corpus& corpus, const Voice (&voices)[2]) {
    std::vector<double> same, diff;
    for (const Voice& v : voices) {
        const Condition cal = corpus.takes(v);
        for (int t = 0; t < kWordCount; ++t)
            for (int r = 0; r < kWordCount; ++r) {
                const Comparison c = compare(corpus.refs[size_t(r)], cal.takes[size_t(t)]);
                (t == r ? same : diff).push_back(c.aligned ? c.distance : 1e9);
            }
    }
    const Calibration measured{quantile(same, 0.5), equal_error(same, diff), quantile(diff, 0.5)};
    const Calibration used = default_calibration();
    std::printf("\nCalibration on %s and %s (%zu same-word, %zu different-word pairs)\n", voices[0].name,
                voices[1].name, same.size(), diff.size());
    std::printf("  same word:      p10 %.3f  median %.3f  p90 %.3f\n", quantile(same, 0.1), quantile(same, 0.5),
                quantile(same, 0.9));
    std::printf("  different word: p10 %.3f  median %.3f  p90 %.3f\n", quantile(diff, 0.1), quantile(diff, 0.5),
                quantile(diff, 0.9));
    std::printf("  measured anchors: very close %.3f  close (equal error) %.3f  far %.3f\n", measured.very_close,
                measured.close, measured.far);
    std::printf("  program's anchors: very close %.3f  close %.3f  far %.3f\n", used.very_close, used.close, used.far);
}

void print_near_words(const std::vector<Utterance>& refs, const Condition& ev) {
    std::printf("  near words (take -> reference: score):\n");
    const char* pairs[][2] = {{"perro", "pero"}, {"casa", "caza"}};
    for (auto& p : pairs) {
        const int a = index_of(p[0]), b = index_of(p[1]);
        auto sc = [&](int take, int ref) { return compare(refs[size_t(ref)], ev.takes[size_t(take)]).score.value_or(-1); };
        std::printf("    %s -> %s: %d   %s -> %s: %d   %s -> %s: %d   %s -> %s: %d\n", p[0], p[0], sc(a, a), p[0],
                    p[1], sc(a, b), p[1], p[1], sc(b, b), p[1], p[0], sc(b, a));
    }
}

void evaluate(Corpus& corpus, const Voice& v) {
    const Condition ev = corpus.takes(v);
    const std::vector<Utterance>& refs = corpus.refs;
    int top1 = 0, at_least_70 = 0, others_70 = 0, others = 0;
    std::vector<double> own_scores;
    QStringList misses;
    for (int t = 0; t < kWordCount; ++t) {
        double best_other = -1;
        int best_other_word = -1;
        const Comparison mine = compare(refs[size_t(t)], ev.takes[size_t(t)]);
        for (int r = 0; r < kWordCount; ++r) {
            if (r == t) continue;
            const Comparison c = compare(refs[size_t(r)], ev.takes[size_t(t)]);
            const double d = c.aligned ? c.distance : 1e9;
            ++others;
            if (c.score.value_or(0) >= 70) ++others_70;
            if (best_other < 0 || d < best_other) best_other = d, best_other_word = r;
        }
        const double own = mine.aligned ? mine.distance : 1e9;
        if (own < best_other)
            ++top1;
        else
            misses << QStringLiteral("%1 (nearer %2)").arg(QString::fromUtf8(kWords[t]), QString::fromUtf8(kWords[best_other_word]));
        const int s = mine.score.value_or(0);
        own_scores.push_back(s);
        if (s >= 70) ++at_least_70;
    }
    std::printf("\nEvaluation on %s\n", v.name);
    std::printf("  top-1: %d of %d words (%.1f %%; target >= 90 %%)\n", top1, kWordCount, 100.0 * top1 / kWordCount);
    std::printf("  own reference scores >= 70: %d of %d words (%.1f %%; target >= 90 %%); median score %.0f\n",
                at_least_70, kWordCount, 100.0 * at_least_70 / kWordCount, quantile(own_scores, 0.5));
    std::printf("  a different word's reference scores >= 70: %d of %d pairs (%.1f %%)\n", others_70, others,
                100.0 * others_70 / others);
    if (!misses.isEmpty()) std::printf("  not top-1: %s\n", qPrintable(misses.join(QStringLiteral(", "))));
    print_near_words(refs, ev);
}

// From the end of a 2 s take to its score, against the take check every take already gets.
int time_to_score(Corpus& corpus, const Voice& v) {
    const Utterance& ref = corpus.refs[size_t(index_of("caballo"))];
    const QByteArray take2s = as_take(speak(corpus.dir.path(), v, QStringLiteral("caballo")), 2.0, corpus.rng);
    std::vector<double> score_ms, score_cpu_ms, check_ms;
    int sink = 0;
    for (int r = 0; r < 21; ++r) {
        check_ms.push_back(time_run([&] { sink += int(ql::check_take(take2s, 22050).notes.size()); }).wall);
        const RunTimes t = time_run([&] {
            const QString problem = take_problem(take2s, 22050);
            const Comparison c = compare(ref, analyse(trimmed_samples(take2s), 22050));
            sink += c.score.value_or(0) + int(problem.size());
        });
        score_ms.push_back(t.wall);
        score_cpu_ms.push_back(t.cpu);
    }
    const double s = median(score_ms), c = median(check_ms);
    std::printf("\n2-second take, end of take to score (take checks, trimming, analysis, alignment), median of 21\n");
    std::printf("  reference, the take check alone: %8.3f ms\n", c);
    std::printf("  take to score:                   %8.3f ms wall, %.3f ms processor  (%.1fx the reference; target < 100 ms)\n",
                s, median(score_cpu_ms), s / c);
    return sink;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const Voice reference_voice{"reference", "es", 140, 50};
    const Voice calibration_voices[] = {{"es+m3, 125 wpm, pitch 35", "es+m3", 125, 35},
                                        {"es-419+f4, 150 wpm, pitch 55", "es-419+f4", 150, 55}};
    const Voice eval_voices[] = {{"es-419, 165 wpm, pitch 65", "es-419", 165, 65},
                                 {"es+f3, 120 wpm, pitch 70", "es+f3", 120, 70}};

    std::printf("Building the corpus with espeak-ng: %d words x 5 voices\n", kWordCount);
    Corpus corpus;
    if (!corpus.make_references(reference_voice)) return 1;
    calibrate(corpus, calibration_voices);
    for (const Voice& v : eval_voices) evaluate(corpus, v);
    return time_to_score(corpus, eval_voices[0]) < 0 ? 1 : 0;
}

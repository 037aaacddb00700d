#pragma once
#include <cstdint>
#include <vector>

namespace ql::testing {

// A crude formant synthesiser for pronunciation tests: a word is a row of sounds, each with three
// formants, voiced (a pulse train at the word's pitch) or not (noise). Its sounds glide into each
// other, so a word stretched in time keeps its pitch and its sounds, only slower or faster.
struct SpeechSound {
    double seconds;
    double f1, f2, f3;
    bool voiced = true;
    double gain = 1.0;
};

// 16-bit mono samples at 22050 Hz, peak about 12000, with `lead` and `tail` seconds of silence.
std::vector<int16_t> synthesise(const std::vector<SpeechSound>& word, double stretch = 1.0, double pitch_hz = 130.0,
                                double lead = 0.0, double tail = 0.0);

// Two words that share no sound in the same order.
std::vector<SpeechSound> word_asimuo();
std::vector<SpeechSound> word_efolai();

// White noise of the given length and level.
std::vector<int16_t> white_noise(double seconds, double amplitude, unsigned seed = 7);

}  // namespace ql::testing

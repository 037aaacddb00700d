#include "windows/take_wave.h"

#include <QImage>
#include <cmath>
#include <gtest/gtest.h>

using namespace ql;

namespace {

// Half a second of silence, half a second of tone, half a second of silence.
QByteArray framed_tone(double amplitude = 20000) {
    std::vector<qint16> s(size_t(3 * 11025), 0);
    for (size_t i = 11025; i < 2 * 11025; ++i) s[i] = qint16(std::lround(amplitude * std::sin(i / 5.0)));
    return QByteArray(reinterpret_cast<const char*>(s.data()), qsizetype(s.size() * 2));
}

// Darkness of a pixel column away from the middle line: what the wave and the shade paint there.
int darkness(const QImage& img, int x) {
    const QRgb c = img.pixel(x, img.height() / 3);
    return 255 * 3 - qRed(c) - qGreen(c) - qBlue(c);
}

}  // namespace

// The wave is drawn where the take is loud, and what trimming cut away is shaded.
TEST(TakeWave, DrawsTheTakeAndShadesWhatWasCut) {
    TakeWave wave;
    wave.resize(300, 60);
    EXPECT_EQ(wave.accessibleDescription(), u"No take recorded yet");
    const QByteArray take = framed_tone();
    wave.show_take(take, 22050, TrimBounds{2 * 11025, 2 * (2 * 11025) - 1});
    EXPECT_TRUE(wave.has_take());
    EXPECT_EQ(wave.accessibleDescription(), u"1.50 s recorded, 0.50 s kept; Peak -4 dBFS, drawn 1.6 times larger");

    QImage img = wave.grab().toImage();
    const int cut = darkness(img, 50), kept_wave = darkness(img, 150);
    EXPECT_GT(cut, 100);        // shaded
    EXPECT_GT(kept_wave, 100);  // the tone reaches up here
    wave.show_take(take, 22050, std::nullopt);
    img = wave.grab().toImage();
    EXPECT_LT(darkness(img, 50), 30);  // kept whole: silence is not shaded
    EXPECT_EQ(wave.accessibleDescription(), u"1.50 s recorded, all kept; Peak -4 dBFS, drawn 1.6 times larger");
}

// A quiet take is drawn to its peak, not as a flat line, and the drawing says how much it was enlarged.
TEST(TakeWave, AQuietTakeIsDrawnToItsPeakAndSaysTheScale) {
    TakeWave wave;
    wave.resize(300, 60);
    wave.show_take(framed_tone(32767 * std::pow(10.0, -33.0 / 20)), 22050, std::nullopt);  // -33 dBFS
    EXPECT_EQ(wave.scale_text(), u"Peak -33 dBFS, drawn 45 times larger");
    const QImage img = wave.grab().toImage();
    EXPECT_GT(darkness(img, 150), 100);  // reaches a third of the way up, as a loud take would
    EXPECT_LT(darkness(img, 250), 30);

    wave.show_take(QByteArray(2000, '\0'), 22050, std::nullopt);
    EXPECT_EQ(wave.scale_text(), u"Silent take");
    EXPECT_EQ(wave.gain(), 1.0);
}

// The eight sound effects, each synthesised from oscillators, noise and filters.
#include <algorithm>
#include <cmath>
#include <utility>

#include "tools/gen_audio/audiogen.h"
#include "tools/gen_audio/wave.h"

namespace audiogen {
namespace {

double decay(double t, double tau) { return std::exp(-t / tau); }
double attack(double t, double seconds) { return t < seconds ? t / seconds : 1.0; }
double time(std::size_t i) { return static_cast<double>(i) / kSampleRate; }

// `seconds` of sound, sample by sample: `at(t)` is the sample at `t` seconds.
template <class Sample>
Signal synth(double seconds, Sample at) {
  Signal s(sampleCount(seconds));
  for (std::size_t i = 0; i < s.size(); ++i) s[i] = static_cast<float>(at(time(i)));
  return s;
}

// Exponential glide from `from` to `to` Hz over `seconds`.
double glide(double t, double from, double to, double seconds) {
  return from * std::pow(to / from, std::min(t / seconds, 1.0));
}

Signal finish(Signal s, float peak, double fadeOut) {
  normalize(s, peak);
  fade(s, 0.002, fadeOut);
  return s;
}

// Car-into-car bump: noise burst, a low thump and a loose metallic rattle.
Signal crash() {
  Rng rng(0xC6C6);
  Filter noise;
  Osc thump;
  const double rattleHz[] = {1187, 1733, 2391, 3127};
  Osc rattle[4];
  Signal s = synth(0.42, [&](double t) {
    const double burst = noise.process(rng.bipolar(), 3200 - 4000 * t, 0.8).low * decay(t, 0.05);
    const double low = thump.sine(45 + 75 * decay(t, 0.04)) * decay(t, 0.11);
    double metal = 0;
    for (int k = 0; k < 4; ++k) metal += rattle[k].sine(rattleHz[k]) / 4;
    const double shake =
        std::pow(0.5 + 0.5 * std::sin(2 * kPi * 29 * t + 2 * std::sin(2 * kPi * 6 * t)), 3);
    const double clank = metal * shake * attack(t, 0.02) * decay(t, 0.12);
    return 1.6 * burst + 1.0 * low + 1.2 * clank;
  });
  return finish(std::move(s), 0.89f, 0.04);
}

// Countdown beep: a sine with a little square for edge, quick decay.
Signal beep() {
  Osc sine, square;
  Signal s = synth(0.2, [&](double t) {
    const double env = attack(t, 0.004) * (t < 0.03 ? 1.0 : decay(t - 0.03, 0.07));
    return (sine.sine(880) + 0.35 * square.square(880)) * env;
  });
  return finish(std::move(s), 0.5f, 0.02);
}

// Start bell: inharmonic partials, the higher ones dying away first.
Signal bell() {
  struct Partial {
    double ratio, amp, tau;
  };
  const Partial partials[] = {{0.5, 0.35, 0.9},  {1.0, 1.0, 0.7},    {1.003, 0.5, 0.75},
                              {1.19, 0.4, 0.45}, {1.51, 0.28, 0.4},  {2.01, 0.5, 0.3},
                              {2.73, 0.3, 0.2},  {3.92, 0.18, 0.11}, {5.17, 0.12, 0.06}};
  const double base = 1046.5;
  Rng rng(0xD1D6);
  Filter strike;
  Signal s = synth(1.1, [&](double t) {
    double v = 0;
    for (const Partial& p : partials)
      v += p.amp * std::sin(2 * kPi * base * p.ratio * t) * decay(t, p.tau);
    v += 0.6 * strike.process(rng.bipolar(), 4000, 0.7).high * decay(t, 0.004);
    return v * attack(t, 0.002);
  });
  return finish(std::move(s), 0.8f, 0.2);
}

// Laser shot: a bright saw diving in pitch.
Signal laser() {
  Osc saw, sub;
  Signal s = synth(0.2, [&](double t) {
    const double hz = glide(t, 1900, 210, 0.2);
    const double env = attack(t, 0.003) * decay(t, 0.07);
    return (0.7 * saw.saw(hz) + 0.5 * sub.sine(hz * 0.5)) * env;
  });
  return finish(std::move(s), 0.75f, 0.02);
}

// Missile launch: a thunk, then a whoosh of band-passed noise over a rising tone.
Signal missile() {
  Rng rng(0x5407);
  Filter whoosh;
  Osc tone, thunk;
  Signal s = synth(0.32, [&](double t) {
    const double air = whoosh.process(rng.bipolar(), glide(t, 500, 3500, 0.3), 1.6).band;
    const double swell = attack(t, 0.05) * decay(t, 0.12);
    const double rise = tone.saw(glide(t, 170, 560, 0.3)) * attack(t, 0.03) * decay(t, 0.15);
    const double kick = thunk.sine(glide(t, 140, 60, 0.05)) * decay(t, 0.03);
    return 2.2 * air * swell + 0.35 * rise + 0.8 * kick;
  });
  return finish(std::move(s), 0.8f, 0.04);
}

// Hit: a tight smack with a short ping, shorter and higher than the crash.
Signal hit() {
  Rng rng(0xC9C9);
  Filter click, body;
  Osc thud, ping;
  Signal s = synth(0.25, [&](double t) {
    const float n = rng.bipolar();
    const double snap = click.process(n, 2500, 0.7).high * decay(t, 0.008);
    const double smack = body.process(n, 950, 2.0).band * decay(t, 0.03);
    const double low = thud.sine(glide(t, 180, 75, 0.08)) * decay(t, 0.06);
    const double tink = ping.sine(2630) * decay(t, 0.035);
    return 0.9 * snap + 2.0 * smack + 1.0 * low + 0.15 * tink;
  });
  return finish(std::move(s), 0.89f, 0.03);
}

// Game start: a quick rising C major arpeggio with the top note left ringing.
Signal jingle() {
  const double notes[] = {392.0, 523.25, 659.26, 783.99, 1046.5};
  const double spacing = 0.09;
  Signal s(sampleCount(0.82), 0.0f);
  for (int n = 0; n < 5; ++n) {
    const bool last = n == 4;
    const double length = last ? 0.82 - n * spacing : 0.3;
    Osc pulse, octave;
    Signal note = synth(length, [&](double t) {
      const double vibrato = last ? 1 + 0.006 * std::sin(2 * kPi * 6 * t) * attack(t, 0.2) : 1;
      const double hz = notes[n] * vibrato;
      const double env = attack(t, 0.004) * decay(t, last ? 0.28 : 0.1);
      return (0.6 * pulse.square(hz) + 0.3 * octave.sine(2 * hz)) * env;
    });
    fade(note, 0.0, 0.02);
    mix(s, note, 1.0f, sampleCount(n * spacing));
  }
  return finish(std::move(s), 0.7f, 0.05);
}

// Explosion: falling filtered noise over a rumbling sub and early crackles.
Signal explosion() {
  Rng rng(0xDEAD);
  Filter blast, rumble;
  Osc boom;
  double brown = 0, crackle = 0;
  Signal s = synth(1.05, [&](double t) {
    const float n = rng.bipolar();
    const double roar = blast.process(n, 150 + 4800 * decay(t, 0.18), 0.8).low * decay(t, 0.3);
    brown = 0.995 * brown + 0.05 * n;
    const double deep = rumble.process(static_cast<float>(brown), 140, 0.9).low * decay(t, 0.45);
    const double sub = boom.sine(glide(t, 75, 30, 0.6)) * decay(t, 0.3);
    if (rng.unit() < 0.02 * decay(t, 0.15)) crackle += rng.bipolar();
    crackle *= 0.85;
    return 1.6 * roar + 2.5 * deep + 0.7 * sub + 0.25 * crackle;
  });
  return finish(std::move(s), 0.89f, 0.12);
}

}  // namespace

std::vector<AudioFile> makeSounds() {
  return {
      {"C6.wav", encodeWav(crash())},         {"1.wav", encodeWav(beep())},
      {"Ding.wav", encodeWav(bell())},        {"Shoot.wav", encodeWav(laser())},
      {"Shoot2.wav", encodeWav(missile())},   {"c9.wav", encodeWav(hit())},
      {"playstart.WAV", encodeWav(jingle())}, {"dead.WAV", encodeWav(explosion())},
  };
}

}  // namespace audiogen

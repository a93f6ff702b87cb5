// The eight sound effects, each synthesised from oscillators, noise and filters.
#include <algorithm>
#include <cmath>
#include <utility>

#include "audiogen.h"
#include "wave.h"

namespace driftwing::audiogen {
namespace {

double Decay(double t, double tau) { return std::exp(-t / tau); }
double Attack(double t, double seconds) { return t < seconds ? t / seconds : 1.0; }
double Time(size_t i) { return static_cast<double>(i) / kSampleRate; }

// Exponential glide from `from` to `to` Hz over `seconds`.
double Glide(double t, double from, double to, double seconds) {
  return from * std::pow(to / from, std::min(t / seconds, 1.0));
}

Signal Finish(Signal s, float peak, double fade_out) {
  Normalize(s, peak);
  Fade(s, 0.002, fade_out);
  return s;
}

// Car-into-car bump: noise burst, a low thump and a loose metallic rattle.
Signal Crash() {
  Signal s(SampleCount(0.42));
  Rng rng(0xC6C6);
  Filter noise;
  Osc thump;
  const double rattle_hz[] = {1187, 1733, 2391, 3127};
  Osc rattle[4];
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = Time(i);
    const double burst = noise.Process(rng.Bipolar(), 3200 - 4000 * t, 0.8).low * Decay(t, 0.05);
    const double low = thump.Sine(45 + 75 * Decay(t, 0.04)) * Decay(t, 0.11);
    double metal = 0;
    for (int k = 0; k < 4; ++k) metal += rattle[k].Sine(rattle_hz[k]) / 4;
    const double shake =
        std::pow(0.5 + 0.5 * std::sin(2 * kPi * 29 * t + 2 * std::sin(2 * kPi * 6 * t)), 3);
    const double clank = metal * shake * Attack(t, 0.02) * Decay(t, 0.12);
    s[i] = static_cast<float>(1.6 * burst + 1.0 * low + 1.2 * clank);
  }
  return Finish(std::move(s), 0.89f, 0.04);
}

// Countdown beep: a sine with a little square for edge, quick decay.
Signal Beep() {
  Signal s(SampleCount(0.2));
  Osc sine, square;
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = Time(i);
    const double env = Attack(t, 0.004) * (t < 0.03 ? 1.0 : Decay(t - 0.03, 0.07));
    s[i] = static_cast<float>((sine.Sine(880) + 0.35 * square.Square(880)) * env);
  }
  return Finish(std::move(s), 0.5f, 0.02);
}

// Start bell: inharmonic partials, the higher ones dying away first.
Signal Bell() {
  struct Partial {
    double ratio, amp, tau;
  };
  const Partial partials[] = {{0.5, 0.35, 0.9},  {1.0, 1.0, 0.7},    {1.003, 0.5, 0.75},
                              {1.19, 0.4, 0.45}, {1.51, 0.28, 0.4},  {2.01, 0.5, 0.3},
                              {2.73, 0.3, 0.2},  {3.92, 0.18, 0.11}, {5.17, 0.12, 0.06}};
  const double base = 1046.5;
  Signal s(SampleCount(1.1));
  Rng rng(0xD1D6);
  Filter strike;
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = Time(i);
    double v = 0;
    for (const Partial& p : partials)
      v += p.amp * std::sin(2 * kPi * base * p.ratio * t) * Decay(t, p.tau);
    v += 0.6 * strike.Process(rng.Bipolar(), 4000, 0.7).high * Decay(t, 0.004);
    s[i] = static_cast<float>(v * Attack(t, 0.002));
  }
  return Finish(std::move(s), 0.8f, 0.2);
}

// Laser shot: a bright saw diving in pitch.
Signal Laser() {
  Signal s(SampleCount(0.2));
  Osc saw, sub;
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = Time(i);
    const double hz = Glide(t, 1900, 210, 0.2);
    const double env = Attack(t, 0.003) * Decay(t, 0.07);
    s[i] = static_cast<float>((0.7 * saw.Saw(hz) + 0.5 * sub.Sine(hz * 0.5)) * env);
  }
  return Finish(std::move(s), 0.75f, 0.02);
}

// Missile launch: a thunk, then a whoosh of band-passed noise over a rising tone.
Signal Missile() {
  Signal s(SampleCount(0.32));
  Rng rng(0x5407);
  Filter whoosh;
  Osc tone, thunk;
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = Time(i);
    const double air = whoosh.Process(rng.Bipolar(), Glide(t, 500, 3500, 0.3), 1.6).band;
    const double swell = Attack(t, 0.05) * Decay(t, 0.12);
    const double rise = tone.Saw(Glide(t, 170, 560, 0.3)) * Attack(t, 0.03) * Decay(t, 0.15);
    const double kick = thunk.Sine(Glide(t, 140, 60, 0.05)) * Decay(t, 0.03);
    s[i] = static_cast<float>(2.2 * air * swell + 0.35 * rise + 0.8 * kick);
  }
  return Finish(std::move(s), 0.8f, 0.04);
}

// Hit: a tight smack with a short ping, shorter and higher than the crash.
Signal Hit() {
  Signal s(SampleCount(0.25));
  Rng rng(0xC9C9);
  Filter click, body;
  Osc thud, ping;
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = Time(i);
    const float n = rng.Bipolar();
    const double snap = click.Process(n, 2500, 0.7).high * Decay(t, 0.008);
    const double smack = body.Process(n, 950, 2.0).band * Decay(t, 0.03);
    const double low = thud.Sine(Glide(t, 180, 75, 0.08)) * Decay(t, 0.06);
    const double tink = ping.Sine(2630) * Decay(t, 0.035);
    s[i] = static_cast<float>(0.9 * snap + 2.0 * smack + 1.0 * low + 0.15 * tink);
  }
  return Finish(std::move(s), 0.89f, 0.03);
}

// Game start: a quick rising C major arpeggio with the top note left ringing.
Signal Jingle() {
  const double notes[] = {392.0, 523.25, 659.26, 783.99, 1046.5};
  const double spacing = 0.09;
  Signal s(SampleCount(0.82), 0.0f);
  for (int n = 0; n < 5; ++n) {
    const bool last = n == 4;
    const double length = last ? 0.82 - n * spacing : 0.3;
    Signal note(SampleCount(length));
    Osc pulse, octave;
    for (size_t i = 0; i < note.size(); ++i) {
      const double t = Time(i);
      const double vibrato = last ? 1 + 0.006 * std::sin(2 * kPi * 6 * t) * Attack(t, 0.2) : 1;
      const double hz = notes[n] * vibrato;
      const double env = Attack(t, 0.004) * Decay(t, last ? 0.28 : 0.1);
      note[i] = static_cast<float>((0.6 * pulse.Square(hz) + 0.3 * octave.Sine(2 * hz)) * env);
    }
    Fade(note, 0.0, 0.02);
    Mix(s, note, 1.0f, SampleCount(n * spacing));
  }
  return Finish(std::move(s), 0.7f, 0.05);
}

// Explosion: falling filtered noise over a rumbling sub and early crackles.
Signal Explosion() {
  Signal s(SampleCount(1.05));
  Rng rng(0xDEAD);
  Filter blast, rumble;
  Osc boom;
  double brown = 0, crackle = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = Time(i);
    const float n = rng.Bipolar();
    const double roar = blast.Process(n, 150 + 4800 * Decay(t, 0.18), 0.8).low * Decay(t, 0.3);
    brown = 0.995 * brown + 0.05 * n;
    const double deep = rumble.Process(static_cast<float>(brown), 140, 0.9).low * Decay(t, 0.45);
    const double sub = boom.Sine(Glide(t, 75, 30, 0.6)) * Decay(t, 0.3);
    if (rng.Unit() < 0.02 * Decay(t, 0.15)) crackle += rng.Bipolar();
    crackle *= 0.85;
    s[i] = static_cast<float>(1.6 * roar + 2.5 * deep + 0.7 * sub + 0.25 * crackle);
  }
  return Finish(std::move(s), 0.89f, 0.12);
}

}  // namespace

std::vector<AudioFile> MakeSounds() {
  return {
      {"C6.wav", EncodeWav(Crash())},         {"1.wav", EncodeWav(Beep())},
      {"Ding.wav", EncodeWav(Bell())},        {"Shoot.wav", EncodeWav(Laser())},
      {"Shoot2.wav", EncodeWav(Missile())},   {"c9.wav", EncodeWav(Hit())},
      {"playstart.WAV", EncodeWav(Jingle())}, {"dead.WAV", EncodeWav(Explosion())},
  };
}

}  // namespace driftwing::audiogen

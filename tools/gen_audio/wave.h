// Small synthesis toolkit for the sound effects, and the WAV encoder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace driftwing::audiogen {

constexpr int kSampleRate = 22050;
constexpr double kPi = 3.14159265358979323846;

// Mono signal, nominally within [-1, 1].
using Signal = std::vector<float>;

// Number of samples in `seconds` at kSampleRate.
size_t SampleCount(double seconds);

// xorshift32 noise: fixed seeds keep every build byte-identical.
class Rng {
 public:
  explicit Rng(uint32_t seed) : state_(seed != 0 ? seed : 0x9E3779B9u) {}
  uint32_t Next();
  float Unit();     // [0, 1)
  float Bipolar();  // [-1, 1)

 private:
  uint32_t state_;
};

// State-variable filter (trapezoidal, stays stable while the cutoff moves).
class Filter {
 public:
  struct Out {
    float low, band, high;
  };
  Out Process(float x, double cutoff_hz, double q);

 private:
  double s1_ = 0, s2_ = 0;
};

// Oscillator with a phase accumulator so the pitch can glide smoothly.
class Osc {
 public:
  // Advances by one sample at `hz` and returns the new phase in radians.
  double Step(double hz);
  double Sine(double hz);
  // Band-limited sawtooth/square built from harmonics below ~10 kHz.
  double Saw(double hz);
  double Square(double hz);

 private:
  double phase_ = 0;
};

// Adds `src * gain` into `dst` starting at sample `offset`, growing `dst` if needed.
void Mix(Signal& dst, const Signal& src, float gain, size_t offset = 0);

// Scales so the loudest sample has magnitude `peak`.
void Normalize(Signal& s, float peak);

// Linear fades at both ends so playback starts and stops without a click.
void Fade(Signal& s, double in_seconds, double out_seconds);

// RIFF/WAVE file, 16-bit PCM, mono.
std::vector<uint8_t> EncodeWav(const Signal& s, int sample_rate = kSampleRate);

}  // namespace driftwing::audiogen

// Small synthesis toolkit for the sound effects, and the WAV encoder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace audiogen {

constexpr int kSampleRate = 22050;
constexpr double kPi = 3.14159265358979323846;

// Mono signal, nominally within [-1, 1].
using Signal = std::vector<float>;

// Number of samples in `seconds` at kSampleRate.
std::size_t sampleCount(double seconds);

// xorshift32 noise: fixed seeds keep every build byte-identical.
class Rng {
 public:
  explicit Rng(std::uint32_t seed) : state_(seed != 0 ? seed : 0x9E3779B9u) {}
  std::uint32_t next();
  float unit();     // [0, 1)
  float bipolar();  // [-1, 1)

 private:
  std::uint32_t state_;
};

// State-variable filter (trapezoidal, stays stable while the cutoff moves).
class Filter {
 public:
  struct Out {
    float low, band, high;
  };
  Out process(float x, double cutoffHz, double q);

 private:
  double s1_ = 0, s2_ = 0;
};

// Oscillator with a phase accumulator so the pitch can glide smoothly.
class Osc {
 public:
  // Advances by one sample at `hz` and returns the new phase in radians.
  double step(double hz);
  double sine(double hz);
  // Band-limited sawtooth/square built from harmonics below ~10 kHz.
  double saw(double hz);
  double square(double hz);

 private:
  double phase_ = 0;
};

// Adds `src * gain` into `dst` starting at sample `offset`, growing `dst` if needed.
void mix(Signal& dst, const Signal& src, float gain, std::size_t offset = 0);

// Scales so the loudest sample has magnitude `peak`.
void normalize(Signal& s, float peak);

// Linear fades at both ends so playback starts and stops without a click.
void fade(Signal& s, double inSeconds, double outSeconds);

// RIFF/WAVE file, 16-bit PCM, mono.
std::vector<std::uint8_t> encodeWav(const Signal& s, int sampleRate = kSampleRate);

}  // namespace audiogen

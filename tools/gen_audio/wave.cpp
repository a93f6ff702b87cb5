#include "tools/gen_audio/wave.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace audiogen {
namespace {

constexpr double kHarmonicCeiling = 10000.0;

void putU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void putU16(std::vector<std::uint8_t>& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void putTag(std::vector<std::uint8_t>& out, std::string_view tag) {
  for (char c : tag) out.push_back(static_cast<std::uint8_t>(c));
}

}  // namespace

std::size_t sampleCount(double seconds) {
  return static_cast<std::size_t>(std::lround(seconds * kSampleRate));
}

std::uint32_t Rng::next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return state_;
}

float Rng::unit() { return static_cast<float>(next() >> 8) / 16777216.0f; }

float Rng::bipolar() { return unit() * 2.0f - 1.0f; }

Filter::Out Filter::process(float x, double cutoffHz, double q) {
  const double g = std::tan(kPi * std::clamp(cutoffHz, 10.0, 0.45 * kSampleRate) / kSampleRate);
  const double k = 1.0 / q;
  const double a1 = 1.0 / (1.0 + g * (g + k));
  const double a2 = g * a1;
  const double a3 = g * a2;
  const double v3 = x - s2_;
  const double v1 = a1 * s1_ + a2 * v3;
  const double v2 = s2_ + a2 * s1_ + a3 * v3;
  s1_ = 2 * v1 - s1_;
  s2_ = 2 * v2 - s2_;
  return {static_cast<float>(v2), static_cast<float>(v1), static_cast<float>(x - k * v1 - v2)};
}

double Osc::step(double hz) {
  phase_ += 2 * kPi * hz / kSampleRate;
  if (phase_ > 2 * kPi) phase_ -= 2 * kPi;
  return phase_;
}

double Osc::sine(double hz) { return std::sin(step(hz)); }

double Osc::saw(double hz) {
  const double p = step(hz);
  double sum = 0;
  for (int k = 1; k * hz < kHarmonicCeiling; ++k) sum += std::sin(k * p) / k;
  return sum * 0.55;
}

double Osc::square(double hz) {
  const double p = step(hz);
  double sum = 0;
  for (int k = 1; k * hz < kHarmonicCeiling; k += 2) sum += std::sin(k * p) / k;
  return sum * 4 / kPi * 0.9;
}

void mix(Signal& dst, const Signal& src, float gain, std::size_t offset) {
  if (dst.size() < offset + src.size()) dst.resize(offset + src.size(), 0.0f);
  for (std::size_t i = 0; i < src.size(); ++i) dst[offset + i] += src[i] * gain;
}

void normalize(Signal& s, float peak) {
  float max = 0;
  for (float v : s) max = std::max(max, std::fabs(v));
  if (max <= 0) return;
  for (float& v : s) v *= peak / max;
}

void fade(Signal& s, double inSeconds, double outSeconds) {
  const std::size_t n = s.size();
  const std::size_t in = std::min(n, sampleCount(inSeconds));
  const std::size_t out = std::min(n, sampleCount(outSeconds));
  for (std::size_t i = 0; i < in; ++i) s[i] *= static_cast<float>(i) / in;
  for (std::size_t i = 0; i < out; ++i) s[n - 1 - i] *= static_cast<float>(i) / out;
}

std::vector<std::uint8_t> encodeWav(const Signal& s, int sampleRate) {
  const auto dataBytes = static_cast<std::uint32_t>(s.size() * 2);
  std::vector<std::uint8_t> out;
  out.reserve(44 + dataBytes);
  putTag(out, "RIFF");
  putU32(out, 36 + dataBytes);
  putTag(out, "WAVE");
  putTag(out, "fmt ");
  putU32(out, 16);
  putU16(out, 1);  // PCM
  putU16(out, 1);  // mono
  putU32(out, static_cast<std::uint32_t>(sampleRate));
  putU32(out, static_cast<std::uint32_t>(sampleRate * 2));
  putU16(out, 2);   // block align
  putU16(out, 16);  // bits per sample
  putTag(out, "data");
  putU32(out, dataBytes);
  for (float v : s) {
    const long pcm = std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f);
    putU16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(pcm)));
  }
  return out;
}

}  // namespace audiogen

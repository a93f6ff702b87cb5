#include "wave.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace driftwing::audiogen {
namespace {

constexpr double kHarmonicCeiling = 10000.0;

void PutU32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void PutU16(std::vector<uint8_t>& out, uint16_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}

void PutTag(std::vector<uint8_t>& out, std::string_view tag) {
  for (char c : tag) out.push_back(static_cast<uint8_t>(c));
}

}  // namespace

size_t SampleCount(double seconds) {
  return static_cast<size_t>(std::lround(seconds * kSampleRate));
}

uint32_t Rng::Next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return state_;
}

float Rng::Unit() { return static_cast<float>(Next() >> 8) / 16777216.0f; }

float Rng::Bipolar() { return Unit() * 2.0f - 1.0f; }

Filter::Out Filter::Process(float x, double cutoff_hz, double q) {
  const double g = std::tan(kPi * std::clamp(cutoff_hz, 10.0, 0.45 * kSampleRate) / kSampleRate);
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

double Osc::Step(double hz) {
  phase_ += 2 * kPi * hz / kSampleRate;
  if (phase_ > 2 * kPi) phase_ -= 2 * kPi;
  return phase_;
}

double Osc::Sine(double hz) { return std::sin(Step(hz)); }

double Osc::Saw(double hz) {
  const double p = Step(hz);
  double sum = 0;
  for (int k = 1; k * hz < kHarmonicCeiling; ++k) sum += std::sin(k * p) / k;
  return sum * 0.55;
}

double Osc::Square(double hz) {
  const double p = Step(hz);
  double sum = 0;
  for (int k = 1; k * hz < kHarmonicCeiling; k += 2) sum += std::sin(k * p) / k;
  return sum * 4 / kPi * 0.9;
}

void Mix(Signal& dst, const Signal& src, float gain, size_t offset) {
  if (dst.size() < offset + src.size()) dst.resize(offset + src.size(), 0.0f);
  for (size_t i = 0; i < src.size(); ++i) dst[offset + i] += src[i] * gain;
}

void Normalize(Signal& s, float peak) {
  float max = 0;
  for (float v : s) max = std::max(max, std::fabs(v));
  if (max <= 0) return;
  for (float& v : s) v *= peak / max;
}

void Fade(Signal& s, double in_seconds, double out_seconds) {
  const size_t n = s.size();
  const size_t in = std::min(n, SampleCount(in_seconds));
  const size_t out = std::min(n, SampleCount(out_seconds));
  for (size_t i = 0; i < in; ++i) s[i] *= static_cast<float>(i) / in;
  for (size_t i = 0; i < out; ++i) s[n - 1 - i] *= static_cast<float>(i) / out;
}

std::vector<uint8_t> EncodeWav(const Signal& s, int sample_rate) {
  const auto data_bytes = static_cast<uint32_t>(s.size() * 2);
  std::vector<uint8_t> out;
  out.reserve(44 + data_bytes);
  PutTag(out, "RIFF");
  PutU32(out, 36 + data_bytes);
  PutTag(out, "WAVE");
  PutTag(out, "fmt ");
  PutU32(out, 16);
  PutU16(out, 1);  // PCM
  PutU16(out, 1);  // mono
  PutU32(out, static_cast<uint32_t>(sample_rate));
  PutU32(out, static_cast<uint32_t>(sample_rate * 2));
  PutU16(out, 2);   // block align
  PutU16(out, 16);  // bits per sample
  PutTag(out, "data");
  PutU32(out, data_bytes);
  for (float v : s) {
    const long pcm = std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f);
    PutU16(out, static_cast<uint16_t>(static_cast<int16_t>(pcm)));
  }
  return out;
}

}  // namespace driftwing::audiogen

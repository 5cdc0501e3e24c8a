// Sound synthesis: filtered noise shaped by envelopes, several layered voices, then normalised
// so the loudest sample stays well clear of the 8-bit limits.
#include <algorithm>
#include <cmath>

#include "tools/artwork/Artwork.h"

namespace Art {

namespace {

constexpr double kPi = 3.14159265358979323846;

// RBJ biquad.
class TBiquad {
 public:
  static TBiquad Lowpass(double rate, double f, double q) { return Make(rate, f, q, 0); }
  static TBiquad Highpass(double rate, double f, double q) { return Make(rate, f, q, 1); }
  static TBiquad Bandpass(double rate, double f, double q) { return Make(rate, f, q, 2); }
  double operator()(double x) {
    const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return y;
  }

 private:
  static TBiquad Make(double rate, double f, double q, int kind) {
    const double w = 2 * kPi * std::min(f, rate * 0.45) / rate;
    const double alpha = std::sin(w) / (2 * q), c = std::cos(w);
    TBiquad b;
    double b0, b1, b2;
    if (kind == 0) {
      b0 = (1 - c) / 2, b1 = 1 - c, b2 = (1 - c) / 2;
    } else if (kind == 1) {
      b0 = (1 + c) / 2, b1 = -(1 + c), b2 = (1 + c) / 2;
    } else {
      b0 = alpha, b1 = 0, b2 = -alpha;
    }
    const double a0 = 1 + alpha;
    b.b0_ = b0 / a0, b.b1_ = b1 / a0, b.b2_ = b2 / a0;
    b.a1_ = -2 * c / a0, b.a2_ = (1 - alpha) / a0;
    return b;
  }
  double b0_ = 0, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
  double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// Slowly wandering value in about [-1, 1]: noise through two one-pole smoothers.
class TWander {
 public:
  TWander(uint64_t seed, double rate, double hz)
      : rng_(seed), k_(1 - std::exp(-2 * kPi * hz / rate)) {}
  double operator()() {
    a_ += k_ * (rng_.Noise() * 14.0 - a_);
    b_ += k_ * (a_ - b_);
    return std::clamp(b_, -1.0, 1.0);
  }

 private:
  TRng rng_;
  double k_;
  double a_ = 0, b_ = 0;
};

// A simple Schroeder reverb: four combs into two all-passes.
class TReverb {
 public:
  TReverb(double rate, double decay) {
    const double combs[4] = {0.0297, 0.0371, 0.0411, 0.0437};
    for (double d : combs) {
      Comb c;
      c.Buffer.assign(size_t(d * rate), 0.0);
      c.Feedback = std::pow(0.001, d / decay);
      combs_.push_back(c);
    }
    const double passes[2] = {0.005, 0.0017};
    for (double d : passes) {
      Comb c;
      c.Buffer.assign(size_t(d * rate) + 1, 0.0);
      c.Feedback = 0.7;
      passes_.push_back(c);
    }
  }
  double operator()(double x) {
    double sum = 0;
    for (Comb& c : combs_) {
      const double y = c.Buffer[c.At];
      c.Damp += 0.4 * (y - c.Damp);
      c.Buffer[c.At] = x + c.Damp * c.Feedback;
      c.At = (c.At + 1) % c.Buffer.size();
      sum += y;
    }
    double y = sum * 0.25;
    for (Comb& c : passes_) {
      const double delayed = c.Buffer[c.At];
      const double v = y + c.Feedback * delayed;
      c.Buffer[c.At] = v;
      c.At = (c.At + 1) % c.Buffer.size();
      y = delayed - c.Feedback * v;
    }
    return y;
  }

 private:
  struct Comb {
    std::vector<double> Buffer;
    size_t At = 0;
    double Feedback = 0;
    double Damp = 0;
  };
  std::vector<Comb> combs_, passes_;
};

std::vector<double> Normalise(std::vector<double> s, double peak, double fade) {
  double top = 1e-9;
  for (double v : s) top = std::max(top, std::abs(v));
  const double g = peak / top;
  const size_t fadeLen = size_t(fade);
  for (size_t i = 0; i < s.size(); ++i) {
    double e = 1.0;
    if (i < 32) e = double(i) / 32.0;
    if (i + fadeLen >= s.size()) e *= double(s.size() - i) / double(fadeLen + 1);
    s[i] *= g * e;
  }
  return s;
}

// A cheering voice: a pulse train at a wavering pitch through two vowel formants.
void AddShout(std::vector<double>& out, double rate, TRng& rng, double start, double length,
              double level) {
  const double f0 = rng.Range(140, 330);
  const double vowels[4][2] = {{730, 1090}, {570, 840}, {660, 1700}, {490, 1350}};
  const auto& v = vowels[rng.Next() % 4];
  TBiquad f1 = TBiquad::Bandpass(rate, v[0], 6), f2 = TBiquad::Bandpass(rate, v[1], 8);
  TBiquad breath = TBiquad::Bandpass(rate, v[1], 2);
  double phase = 0;
  const size_t from = size_t(start * rate), n = size_t(length * rate);
  const double rise = rng.Range(0.2, 0.6);
  for (size_t i = 0; i < n && from + i < out.size(); ++i) {
    const double t = double(i) / double(n);
    const double env = t < 0.15 ? t / 0.15 : std::pow(1 - (t - 0.15) / 0.85, 1.5);
    const double f = f0 * (1 + rise * 0.3 * std::sin(kPi * t)) * (1 + 0.01 * rng.Noise());
    phase += f / rate;
    phase -= std::floor(phase);
    const double pulse = 2 * phase - 1;
    const double x = pulse + 0.3 * rng.Noise();
    out[from + i] += level * env * (f1(x) + 0.6 * f2(x) + 0.4 * breath(rng.Noise()));
  }
}

// A hoof striking turf: a dull thud and a short scuff of dirt.
void AddHoof(std::vector<double>& out, double rate, TRng& rng, double at, double level) {
  TBiquad low = TBiquad::Lowpass(rate, 900, 0.8);
  const size_t from = size_t(at * rate), n = size_t(0.09 * rate);
  const double f = rng.Range(70, 110);
  for (size_t i = 0; i < n && from + i < out.size(); ++i) {
    const double t = double(i) / rate;
    const double thud = std::sin(2 * kPi * f * t * (1 - 2 * t)) * std::exp(-t / 0.025);
    const double scuff = low(rng.Noise()) * std::exp(-t / 0.012);
    out[from + i] += level * (0.8 * thud + 1.2 * scuff);
  }
}

}  // namespace

// The starting pistol: a crack, the body of the blast, a low thump, echoes from the stands over a
// hushed crowd that wakes up at the shot.
std::vector<double> Feu(int rateInt) {
  const double rate = rateInt;
  const size_t n = size_t(std::lround(2.3 * rate));
  TRng rng(0xFE0);
  std::vector<double> dry(n, 0.0), out(n, 0.0);
  const double shot = 0.18;
  TBiquad crackHp = TBiquad::Highpass(rate, 1800, 0.7);
  TBiquad bodyLp = TBiquad::Lowpass(rate, 1400, 0.9);
  for (size_t i = size_t(shot * rate); i < n; ++i) {
    const double t = double(i) / rate - shot;
    const double crack = crackHp(rng.Noise()) * std::exp(-t / 0.006);
    const double body = bodyLp(rng.Noise()) * std::exp(-t / 0.07) * 1.6;
    const double thump = std::sin(2 * kPi * (95 * t - 150 * t * t)) * std::exp(-t / 0.08) * 0.9;
    dry[i] = crack + body + (t < 0.3 ? thump : 0.0);
  }
  TReverb reverb(rate, 1.4);
  TBiquad echoLp = TBiquad::Lowpass(rate, 1200, 0.7);
  const size_t echo1 = size_t(0.23 * rate), echo2 = size_t(0.51 * rate);
  for (size_t i = 0; i < n; ++i) {
    double v = dry[i] + 0.45 * reverb(dry[i]);
    double e = 0;
    if (i >= echo1) e += 0.3 * dry[i - echo1];
    if (i >= echo2) e += 0.15 * dry[i - echo2];
    out[i] = v + echoLp(e);
  }
  // The crowd: a low murmur that swells after the shot.
  TWander w1(11, rate, 3), w2(12, rate, 5);
  TBiquad c1 = TBiquad::Bandpass(rate, 450, 1.2), c2 = TBiquad::Bandpass(rate, 1100, 1.5);
  for (size_t i = 0; i < n; ++i) {
    const double t = double(i) / rate;
    const double swell = t < shot ? 0.25 : 0.25 + 0.75 * std::min(1.0, (t - shot) / 1.2);
    out[i] += 0.22 * swell *
              (c1(rng.Noise()) * (0.7 + 0.3 * w1()) + 0.7 * c2(rng.Noise()) * (0.7 + 0.3 * w2()));
  }
  for (int k = 0; k < 14; ++k) {
    const double start = shot + 0.35 + rng.Range(0.0, 1.3);
    AddShout(out, rate, rng, start, rng.Range(0.3, 0.7), 0.05);
  }
  return Normalise(out, 0.9, 0.12 * rate);
}

// The crowd while the horses run: a roar of many band-limited voices that swells towards the
// finish, single shouts on top and the hooves of the field passing.
std::vector<double> Bravo(int rateInt) {
  const double rate = rateInt;
  const size_t n = size_t(std::lround(27.6 * rate));
  const double length = double(n) / rate;
  TRng rng(0xB7A40);
  std::vector<double> out(n, 0.0);
  struct TVoice {
    TBiquad Filter;
    TWander Level;
    double Gain;
  };
  std::vector<TVoice> voices;
  const double centres[7] = {220, 380, 600, 900, 1350, 2000, 3000};
  for (int k = 0; k < 7; ++k) {
    voices.push_back({TBiquad::Bandpass(rate, centres[k], 1.4),
                      TWander(100 + k, rate, 1.5 + k * 0.4), 1.0 / (1 + 0.25 * k)});
  }
  TWander surge(7, rate, 0.25);
  for (size_t i = 0; i < n; ++i) {
    const double t = double(i) / rate;
    // Excitement grows towards the finish, with a roar in the last seconds.
    const double build =
        0.45 + 0.35 * (t / length) + 0.3 * std::exp(-std::pow((t - 22.5) / 3.0, 2));
    double v = 0;
    for (TVoice& voice : voices)
      v += voice.Gain * voice.Filter(rng.Noise()) * (0.75 + 0.25 * voice.Level());
    out[i] = v * build * (0.85 + 0.15 * surge());
  }
  // Individual shouts spread over the race, more of them near the end.
  for (int k = 0; k < 260; ++k) {
    const double u = rng.Uniform();
    const double start = length * std::sqrt(u) * 0.97;
    AddShout(out, rate, rng, start, rng.Range(0.25, 0.9), rng.Range(0.04, 0.11));
  }
  // The field: a few horses, each with its own stride, loudest when it passes the stand.
  for (int horse = 0; horse < 5; ++horse) {
    const double stride = rng.Range(0.40, 0.46);
    const double pass = rng.Range(6.0, 20.0);
    double t = rng.Range(0.5, 1.5);
    while (t < length - 0.5) {
      const double near = 0.15 + 0.85 * std::exp(-std::pow((t - pass) / 4.0, 2));
      for (int beat = 0; beat < 3; ++beat) {
        AddHoof(out, rate, rng, t + beat * 0.075 + rng.Range(0, 0.008), 0.5 * near);
      }
      t += stride;
    }
  }
  return Normalise(out, 0.88, 1.2 * rate);
}

// The finish: two strokes of the bell over applause and cheers.
std::vector<double> Fin(int rateInt) {
  const double rate = rateInt;
  const size_t n = size_t(std::lround(1.7 * rate));
  TRng rng(0xF1);
  std::vector<double> out(n, 0.0);
  const double partials[7][3] = {{0.5, 0.5, 1.1}, {1.0, 1.0, 0.8},  {1.19, 0.5, 0.6},
                                 {1.5, 0.4, 0.5}, {2.0, 0.35, 0.4}, {2.52, 0.2, 0.25},
                                 {3.0, 0.15, 0.2}};
  for (double strike : {0.0, 0.42}) {
    for (size_t i = size_t(strike * rate); i < n; ++i) {
      const double t = double(i) / rate - strike;
      double v = 0;
      for (const auto& p : partials)
        v += p[1] * std::sin(2 * kPi * 988 * p[0] * t) * std::exp(-t / p[2]);
      // The clapper's click.
      v += 0.6 * rng.Noise() * std::exp(-t / 0.003);
      out[i] += 0.5 * v;
    }
  }
  TBiquad clapBand = TBiquad::Bandpass(rate, 1600, 1.1);
  std::vector<double> claps(n, 0.0);
  for (int k = 0; k < 90; ++k) {
    const double at = 0.1 + 1.5 * std::sqrt(rng.Uniform());
    const size_t from = size_t(at * rate), len = size_t(0.04 * rate);
    const double level = rng.Range(0.3, 1.0);
    for (size_t i = 0; i < len && from + i < n; ++i)
      claps[from + i] += level * rng.Noise() * std::exp(-double(i) / (0.006 * rate));
  }
  TBiquad cheer = TBiquad::Bandpass(rate, 700, 1.0);
  for (size_t i = 0; i < n; ++i) {
    const double t = double(i) / rate;
    out[i] += 0.25 * clapBand(claps[i]) + 0.2 * std::min(1.0, t / 0.5) * cheer(rng.Noise());
  }
  for (int k = 0; k < 8; ++k)
    AddShout(out, rate, rng, rng.Range(0.2, 0.9), rng.Range(0.3, 0.6), 0.06);
  return Normalise(out, 0.88, 0.25 * rate);
}

}  // namespace Art

#include "television_camera.h"

#include "cie/tables.h"

#include <cmath>

namespace lightquality::television {
namespace {

using Matrix = std::array<Rgb, 3>;

constexpr double kPi = 3.14159265358979323846;
constexpr double kGreyReflectance = 0.9;

// The camera's colour matrix; each row sums to 1, so a balanced grey stays
// grey.
constexpr Matrix kCameraMatrix = {{
    {1.182, -0.209, 0.027},
    {0.107, 0.890, 0.003},
    {0.040, -0.134, 1.094},
}};

// The saturation stage at 90 %: each channel keeps 90 % of itself and takes
// 10 % of the mean of the three.
constexpr double kSaturation = 0.90;

// Linear BT.709 display light to XYZ (D65 white).
constexpr Matrix kDisplayToXyz = {{
    {0.412391, 0.357584, 0.180481},
    {0.212639, 0.715169, 0.072192},
    {0.019331, 0.119195, 0.950532},
}};

constexpr double kDisplayGamma = 2.4;
constexpr double kQualityHalfDifference = 3.16; // ΔEa at which Qa is 50
constexpr double kQualityExponent = 2.4;

Rgb times(const Matrix &m, const Rgb &v) {
  Rgb out{};
  for (int r = 0; r < 3; ++r) {
    out[r] = m[r][0] * v[0] + m[r][1] * v[1] + m[r][2] * v[2];
  }
  return out;
}

Rgb saturated(const Rgb &v) {
  const double mean = (v[0] + v[1] + v[2]) / 3;
  const double shared = (1 - kSaturation) * mean;
  return {kSaturation * v[0] + shared, kSaturation * v[1] + shared, kSaturation * v[2] + shared};
}

// Powers through a logarithm and an exponential, which together cost
// little more than half of std::pow; they run six times for every patch of
// every light.
double power(double base, double exponent) {
  return std::exp(exponent * std::log(base));
}

// The BT.709 camera transfer function.
double encoded(double linear) {
  return linear < 0.018 ? 4.5 * linear : 1.099 * power(linear, 0.45) - 0.099;
}

// Negative drive shows black.
double displayLight(double drive) {
  return drive > 0 ? power(drive, kDisplayGamma) : 0.0;
}

// The display white, R = G = B = 1: the rows of the display matrix summed.
Rgb displayWhite() {
  return times(kDisplayToXyz, {1, 1, 1});
}

double labF(double t) {
  constexpr double kDelta = 6.0 / 29;
  return t > kDelta * kDelta * kDelta ? std::cbrt(t) : t / (3 * kDelta * kDelta) + 4.0 / 29;
}

Lab cieLab(const Rgb &xyz) {
  static const Rgb white = displayWhite();
  const double fx = labF(xyz[0] / white[0]);
  const double fy = labF(xyz[1] / white[1]);
  const double fz = labF(xyz[2] / white[2]);
  return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

Rgb divided(const Rgb &raw, const Rgb &balance, double gain) {
  return {raw[0] / balance[0] / gain, raw[1] / balance[1] / gain, raw[2] / balance[2] / gain};
}

Lab shown(const Rgb &balanced) {
  const Rgb camera = saturated(times(kCameraMatrix, balanced));
  Rgb light{};
  for (int c = 0; c < 3; ++c) {
    light[c] = displayLight(encoded(camera[c]));
  }
  return cieLab(times(kDisplayToXyz, light));
}

double degrees(double radians) {
  return radians * 180 / kPi;
}

double radians(double degrees) {
  return degrees * kPi / 180;
}

// The chroma of a*, b*: the plain root, as the values never come near
// overflow.
double chroma(double a, double b) {
  return std::sqrt(a * a + b * b);
}

// T = 1 − 0.17 cos(h − 30°) + 0.24 cos 2h + 0.32 cos(3h + 6°) − 0.20 cos(4h − 63°),
// the multiple angles from cos h and sin h: one pair of calls instead of four.
double hueWeight(double h) {
  const double c1 = std::cos(h);
  const double s1 = std::sin(h);
  const double c2 = 2 * c1 * c1 - 1;
  const double s2 = 2 * s1 * c1;
  const double c3 = c1 * c2 - s1 * s2;
  const double s3 = s1 * c2 + c1 * s2;
  const double c4 = c2 * c2 - s2 * s2;
  const double s4 = 2 * s2 * c2;
  // cos(x + shift) from cos x and sin x.
  struct Shift {
    double cos, sin;
  };
  static const Shift minus30{std::cos(radians(-30)), std::sin(radians(-30))};
  static const Shift plus6{std::cos(radians(6)), std::sin(radians(6))};
  static const Shift minus63{std::cos(radians(-63)), std::sin(radians(-63))};
  const auto shifted = [](double c, double s, const Shift &by) { return c * by.cos - s * by.sin; };
  return 1 - 0.17 * shifted(c1, s1, minus30) + 0.24 * c2 + 0.32 * shifted(c3, s3, plus6) -
         0.20 * shifted(c4, s4, minus63);
}

// Hue angle in degrees, 0 to 360; 0 for a neutral colour.
double hueDegrees(double a, double b) {
  if (a == 0 && b == 0) {
    return 0;
  }
  const double h = degrees(std::atan2(b, a));
  return h < 0 ? h + 360 : h;
}

} // namespace

CameraSpectrum cameraSamples(const Spectrum &spectrum) {
  CameraSpectrum s{};
  for (int i = 0; i < kCameraSamples; ++i) {
    s[i] = spectrum[kCameraFirstNm - kFirstNm + kCameraStepNm * i];
  }
  return s;
}

CameraSignals film(const CameraSpectrum &light) {
  const cie::Table &camera = cie::televisionCamera;
  const cie::Table &patches = cie::televisionTestPatches;
  // Channel by channel over all patches at once, so the innermost loop runs
  // along a reflectance row.
  std::array<std::array<double, kPatches>, 3> sums{};
  CameraSignals out{};
  const double *sensitivities = camera.row(kCameraFirstNm);
  const double *reflectances = patches.row(kCameraFirstNm);
  for (int i = 0; i < kCameraSamples; ++i) {
    const double *sensitivity = sensitivities + i * camera.columns;
    const double *reflectance = reflectances + i * patches.columns;
    for (int c = 0; c < 3; ++c) {
      const double seen = light[i] * sensitivity[c];
      out.grey[c] += kGreyReflectance * seen;
      for (int p = 0; p < kPatches; ++p) {
        sums[c][p] += reflectance[p] * seen;
      }
    }
  }
  for (int p = 0; p < kPatches; ++p) {
    out.patches[p] = {sums[0][p], sums[1][p], sums[2][p]};
  }
  return out;
}

bool balances(const Rgb &grey) {
  return grey[0] > 0 && grey[1] > 0 && grey[2] > 0;
}

PatchColours displayed(const CameraSignals &signals, const Rgb &balance, double gain) {
  PatchColours out{};
  for (int p = 0; p < kPatches; ++p) {
    out[p] = shown(divided(signals.patches[p], balance, gain));
  }
  return out;
}

double balancedGreyLuma(const CameraSignals &signals, const Rgb &balance) {
  return times(kDisplayToXyz, times(kCameraMatrix, divided(signals.grey, balance, 1)))[1];
}

double averageDifference(const PatchColours &reference, const PatchColours &test, int patches) {
  double sum = 0;
  for (int p = 0; p < patches; ++p) {
    const double difference = ciede2000(reference[p], test[p]);
    sum += difference * difference * difference * difference;
  }
  return std::pow(sum / patches, 0.25);
}

double qualityFromDifference(double deltaE) {
  return 100 / (1 + std::pow(deltaE / kQualityHalfDifference, kQualityExponent));
}

double ciede2000(const Lab &first, const Lab &second) {
  constexpr double kPow25To7 = 6103515625.0; // 25⁷
  const auto chromaWeight = [](double c) {
    const double c2 = c * c;
    const double c7 = c2 * c2 * c2 * c;
    return std::sqrt(c7 / (c7 + kPow25To7));
  };
  const double meanChroma = (chroma(first.a, first.b) + chroma(second.a, second.b)) / 2;
  const double g = 0.5 * (1 - chromaWeight(meanChroma));
  const double a1 = (1 + g) * first.a;
  const double a2 = (1 + g) * second.a;
  const double c1 = chroma(a1, first.b);
  const double c2 = chroma(a2, second.b);
  const double h1 = hueDegrees(a1, first.b);
  const double h2 = hueDegrees(a2, second.b);
  const bool neutral = c1 * c2 == 0;

  double hueStep = h2 - h1;
  if (neutral) {
    hueStep = 0;
  } else if (hueStep > 180) {
    hueStep -= 360;
  } else if (hueStep < -180) {
    hueStep += 360;
  }
  const double deltaL = second.l - first.l;
  const double deltaC = c2 - c1;
  const double deltaH = 2 * std::sqrt(c1 * c2) * std::sin(radians(hueStep / 2));

  const double meanL = (first.l + second.l) / 2;
  const double meanC = (c1 + c2) / 2;
  double meanH = h1 + h2;
  if (!neutral) {
    if (std::fabs(h1 - h2) <= 180) {
      meanH /= 2;
    } else {
      meanH = (meanH < 360 ? meanH + 360 : meanH - 360) / 2;
    }
  }
  const double t = hueWeight(radians(meanH));
  const double hueFrom275 = (meanH - 275) / 25;
  const double rotation = 30 * std::exp(-hueFrom275 * hueFrom275);
  const double lOffset = (meanL - 50) * (meanL - 50);
  const double sL = 1 + 0.015 * lOffset / std::sqrt(20 + lOffset);
  const double sC = 1 + 0.045 * meanC;
  const double sH = 1 + 0.015 * meanC * t;
  const double rT = -std::sin(radians(2 * rotation)) * 2 * chromaWeight(meanC);
  const double l = deltaL / sL;
  const double c = deltaC / sC;
  const double h = deltaH / sH;
  return std::sqrt(l * l + c * c + h * h + rT * c * h);
}

} // namespace lightquality::television

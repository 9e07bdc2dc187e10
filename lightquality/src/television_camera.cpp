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

// The BT.709 camera transfer function.
double encoded(double linear) {
  return linear < 0.018 ? 4.5 * linear : 1.099 * std::pow(linear, 0.45) - 0.099;
}

// Negative drive shows black.
double displayLight(double drive) {
  return drive > 0 ? std::pow(drive, kDisplayGamma) : 0.0;
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
  CameraSignals out{};
  for (int i = 0; i < kCameraSamples; ++i) {
    const int nm = kCameraFirstNm + kCameraStepNm * i;
    const double *sensitivity = camera.row(nm);
    const double *reflectance = patches.row(nm);
    for (int c = 0; c < 3; ++c) {
      const double seen = light[i] * sensitivity[c];
      out.grey[c] += kGreyReflectance * seen;
      for (int p = 0; p < kPatches; ++p) {
        out.patches[p][c] += reflectance[p] * seen;
      }
    }
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
  const double meanChroma = (std::hypot(first.a, first.b) + std::hypot(second.a, second.b)) / 2;
  const double g = 0.5 * (1 - chromaWeight(meanChroma));
  const double a1 = (1 + g) * first.a;
  const double a2 = (1 + g) * second.a;
  const double c1 = std::hypot(a1, first.b);
  const double c2 = std::hypot(a2, second.b);
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
  const double t = 1 - 0.17 * std::cos(radians(meanH - 30)) + 0.24 * std::cos(radians(2 * meanH)) +
                   0.32 * std::cos(radians(3 * meanH + 6)) -
                   0.20 * std::cos(radians(4 * meanH - 63));
  const double rotation = 30 * std::exp(-std::pow((meanH - 275) / 25, 2));
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

#include "cam02ucs.h"

#include <array>
#include <cmath>

namespace lightquality {
namespace {

constexpr double kPi = 3.14159265358979323846;
// cos 2 and sin 2 (radians), for the eccentricity factor cos(h + 2).
constexpr double kCosTwo = -0.41614683654714238700;
constexpr double kSinTwo = 0.90929742682568169540;

// Viewing conditions of CIE 224:2017.
constexpr double kAdaptingLuminance = 100; // L_A, cd/m²
constexpr double kBackgroundY = 20;        // Y_b
constexpr double kSurroundC = 0.69;        // average surround
constexpr double kSurroundNc = 1.0;

// CAT02 and Hunt–Pointer–Estévez matrices of CIE 159:2004.
using Matrix = std::array<std::array<double, 3>, 3>;
constexpr Matrix kCat02{
    {{0.7328, 0.4296, -0.1624}, {-0.7036, 1.6975, 0.0061}, {0.0030, 0.0136, 0.9834}}};
constexpr Matrix kHpe{
    {{0.38971, 0.68898, -0.07868}, {-0.22981, 1.18340, 0.04641}, {0.0, 0.0, 1.0}}};

struct Vector3 {
  double a, b, c;
};

Vector3 multiply(const Matrix &m, Vector3 v) {
  return {m[0][0] * v.a + m[0][1] * v.b + m[0][2] * v.c,
          m[1][0] * v.a + m[1][1] * v.b + m[1][2] * v.c,
          m[2][0] * v.a + m[2][1] * v.b + m[2][2] * v.c};
}

// The exact inverse of a 3 × 3 matrix (adjugate over determinant); the
// rounded inverse printed in CIE 159 would move J′a′b′ in the sixth digit.
Matrix inverse(const Matrix &m) {
  Matrix adjugate{};
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 3; ++c) {
      const int r1 = (c + 1) % 3, r2 = (c + 2) % 3, c1 = (r + 1) % 3, c2 = (r + 2) % 3;
      adjugate[r][c] = m[r1][c1] * m[r2][c2] - m[r1][c2] * m[r2][c1];
    }
  }
  const double determinant =
      m[0][0] * adjugate[0][0] + m[0][1] * adjugate[1][0] + m[0][2] * adjugate[2][0];
  for (auto &row : adjugate) {
    for (double &value : row) {
      value /= determinant;
    }
  }
  return adjugate;
}

// HPE · CAT02⁻¹, which carries adapted CAT02 responses to cone responses.
const Matrix &hpeFromCat02() {
  static const Matrix product = [] {
    const Matrix cat02Inverse = inverse(kCat02);
    Matrix p{};
    for (int r = 0; r < 3; ++r) {
      for (int c = 0; c < 3; ++c) {
        for (int k = 0; k < 3; ++k) {
          p[r][c] += kHpe[r][k] * cat02Inverse[k][c];
        }
      }
    }
    return p;
  }();
  return product;
}

// HPE · CAT02⁻¹ · diag(gain) · CAT02: X, Y, Z to the cone responses of the
// adapted CAT02 responses, one matrix per white.
Matrix adaptedConesFromXyz(Vector3 gain) {
  const Matrix &hpe = hpeFromCat02();
  const double g[3] = {gain.a, gain.b, gain.c};
  Matrix m{};
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 3; ++c) {
      for (int k = 0; k < 3; ++k) {
        m[r][c] += hpe[r][k] * g[k] * kCat02[k][c];
      }
    }
  }
  return m;
}

// Post-adaptation compression, odd in its argument for negative responses.
double compressed(double response, double flHundredth) {
  // x^0.42 as exp(0.42·ln x): the same to a few units in the last place,
  // and cheaper than the general power.
  const double p = std::exp(0.42 * std::log(flHundredth * std::fabs(response)));
  return std::copysign(400 * p / (27.13 + p), response) + 0.1;
}

} // namespace

Cam02Ucs::Cam02Ucs(const colorimetry::Tristimulus &white) {
  const double k = 1 / (5 * kAdaptingLuminance + 1);
  const double k4 = k * k * k * k;
  fl_ = 0.2 * k4 * (5 * kAdaptingLuminance) +
        0.1 * (1 - k4) * (1 - k4) * std::cbrt(5 * kAdaptingLuminance);
  n_ = kBackgroundY / white.Y;
  nbb_ = 0.725 * std::pow(1 / n_, 0.2);
  z_ = 1.48 + std::sqrt(n_);
  // D = 1: each cone response is scaled by Y_w / its white response.
  const Vector3 w = multiply(kCat02, {white.X, white.Y, white.Z});
  coneFromXyz_ = adaptedConesFromXyz({white.Y / w.a, white.Y / w.b, white.Y / w.c});
  achromaticWhite_ = achromatic(adaptedCompressed(white));
  chromaFactor_ = std::pow(1.64 - std::pow(0.29, n_), 0.73);
  flQuarter_ = std::pow(fl_, 0.25);
  lightnessExponent_ = kSurroundC * z_;
}

Cam02Ucs::Responses Cam02Ucs::adaptedCompressed(const colorimetry::Tristimulus &xyz) const {
  const Vector3 hpe = multiply(coneFromXyz_, {xyz.X, xyz.Y, xyz.Z});
  const double flHundredth = fl_ / 100;
  return {compressed(hpe.a, flHundredth), compressed(hpe.b, flHundredth),
          compressed(hpe.c, flHundredth)};
}

double Cam02Ucs::achromatic(const Responses &a) const {
  return (2 * a.r + a.g + a.b / 20 - 0.305) * nbb_;
}

double hueDegrees(const UcsColour &colour) {
  const double hue = std::atan2(colour.b, colour.a) * 180 / kPi;
  return hue < 0 ? hue + 360 : hue;
}

UcsColour Cam02Ucs::operator()(const colorimetry::Tristimulus &sample) const {
  const Responses r = adaptedCompressed(sample);
  const double a = r.r - (12 * r.g - r.b) / 11;
  const double b = (r.r + r.g - 2 * r.b) / 9;
  // cos h and sin h from a and b themselves (h = 0 where both are 0, as
  // atan2 gives it), which spares the trigonometric calls.
  const double radius = std::sqrt(a * a + b * b);
  const double inverseRadius = radius > 0 ? 1 / radius : 0;
  const double cosHue = radius > 0 ? a * inverseRadius : 1;
  const double sinHue = b * inverseRadius;
  // cos(h + 2) with h in radians
  const double eccentricity = 0.25 * (cosHue * kCosTwo - sinHue * kSinTwo + 3.8);
  // J/100 = (A/A_w)^(c·z) and C = t^0.9·√(J/100)·(1.64 − 0.29ⁿ)^0.73, the
  // powers through logarithms: ln(J/100) serves both.
  const double logRelativeLightness =
      lightnessExponent_ * std::log(achromatic(r) / achromaticWhite_);
  const double J = 100 * std::exp(logRelativeLightness);
  const double t =
      (50000.0 / 13 * kSurroundNc * nbb_ * eccentricity * radius) / (r.r + r.g + 21.0 / 20 * r.b);
  const double C = std::exp(0.9 * std::log(t) + 0.5 * logRelativeLightness) * chromaFactor_;
  const double M = C * flQuarter_;

  // CAM02-UCS: c1 = 0.007, c2 = 0.0228.
  const double jPrime = 1.7 * J / (1 + 0.007 * J);
  const double mPrime = std::log(1 + 0.0228 * M) / 0.0228;
  return {jPrime, mPrime * cosHue, mPrime * sinHue};
}

} // namespace lightquality

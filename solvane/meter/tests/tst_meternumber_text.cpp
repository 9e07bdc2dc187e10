// The meter-number encoder must split exactly the text that
// QString::number(v, 'e', 6) gives, including its rounding of exact ties.

#include "devlink/meter_number.h"

#include <QtTest>

#include <cmath>
#include <random>

class TestMeterNumberText : public QObject {
  Q_OBJECT

private slots:
  void matchesQtOnRandomValues() {
    std::mt19937_64 rng(42);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-99, 99);
    for (int i = 0; i < 20000; ++i) {
      const double v = mantissa(rng) * std::pow(10.0, exponent(rng));
      QCOMPARE(QString::fromStdString(devlink::formatScientific7(v)), QString::number(v, 'e', 6));
    }
  }

  void matchesQtOnExactTies() {
    // k / 2^n with few bits is exactly representable; many are decimal ties
    // at the seventh significant digit.
    for (int n = 1; n <= 30; ++n) {
      for (int k = 1; k < 4000; k += 7) {
        const double v = std::ldexp(double(k), -n) * (k % 2 ? 1 : -1);
        QCOMPARE(QString::fromStdString(devlink::formatScientific7(v)), QString::number(v, 'e', 6));
      }
    }
    QCOMPARE(QString::number(1.0078125, 'e', 6), QString("1.007813e+00"));
  }

  void matchesQtOnZeroesAndSubnormals() {
    for (double v : {0.0, -0.0, 4.9e-324, -4.9e-324, -1e-320}) {
      QCOMPARE(QString::fromStdString(devlink::formatScientific7(v)), QString::number(v, 'e', 6));
    }
  }
};

QTEST_GUILESS_MAIN(TestMeterNumberText)
#include "tst_meternumber_text.moc"

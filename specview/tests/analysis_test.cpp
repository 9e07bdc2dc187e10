// The automatic integration time's steps, transmission and absorbance.

#include "analysis.h"
#include "export.h"
#include "hostile_text.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using specview::IntegrationLimits;
using specview::nextIntegrationTime;

constexpr int kFull = 65535;
constexpr int kDark = 500;

TEST(AutoIntegration, StepsProportionallyHalvesWhenSaturatedAndStopsNearTheTarget) {
  // 20000 counts at 100: the signal of 19500 must grow to 0.8 * 65535 - 500.
  EXPECT_EQ(nextIntegrationTime(100, 20000, kDark, kFull, {}),
            std::lround(100 * (0.8 * kFull - kDark) / 19500));
  EXPECT_EQ(nextIntegrationTime(100, kFull, kDark, kFull, {}), 50);
  EXPECT_EQ(nextIntegrationTime(100, 52000, kDark, kFull, {}), std::nullopt); // within 5 %
  EXPECT_NE(nextIntegrationTime(100, 49000, kDark, kFull, {}), std::nullopt); // 6.5 % short
}

TEST(AutoIntegration, StaysWithinTheDeviceLimits) {
  const IntegrationLimits limits{10, 6553};
  EXPECT_EQ(nextIntegrationTime(4000, 600, kDark, kFull, limits), 6553);
  EXPECT_EQ(nextIntegrationTime(6553, 600, kDark, kFull, limits), std::nullopt); // nothing left
  EXPECT_EQ(nextIntegrationTime(12, kFull, kDark, kFull, limits), 10);
  EXPECT_EQ(nextIntegrationTime(10, kFull, kDark, kFull, limits), std::nullopt);
  // No signal above the dark level at all: the longest time, not a division by zero.
  EXPECT_EQ(nextIntegrationTime(100, kDark, kDark, kFull, limits), 6553);
}

TEST(Reference, TransmissionAndAbsorbanceAreUndefinedWithoutReferenceLight) {
  const QVector<double> t = specview::transmissionPercent({50, 10, 5, -1}, {100, 0, -2, 4});
  EXPECT_DOUBLE_EQ(t[0], 50);
  EXPECT_TRUE(std::isnan(t[1]));
  EXPECT_TRUE(std::isnan(t[2]));
  EXPECT_DOUBLE_EQ(t[3], -25);
  const QVector<double> a = specview::absorbance(t);
  EXPECT_NEAR(a[0], std::log10(2.0), 1e-12);
  EXPECT_TRUE(std::isnan(a[1]));
  EXPECT_TRUE(std::isnan(a[3])); // negative transmission: no absorbance
  EXPECT_EQ(specview::saturatedPixels({1, kFull, kFull - 1, kFull}, kFull), 2);
}

} // namespace

// A file name with control characters, a right-to-left override or bytes
// that are not UTF-8 reaches the status bar and the message box quoted.
TEST(FileMessages, HostileFileNamesGiveOneSafeLine) {
  for (const std::string &text : quoting::testing::hostileTexts()) {
    const QString path =
        "/nonexistent/" + QString::fromUtf8(text.data(), static_cast<int>(text.size()));
    QVector<QPair<QString, QString>> header;
    specview::Series series;
    QString error;
    EXPECT_FALSE(specview::readCsv(path, &header, &series, &error));
    EXPECT_TRUE(quoting::testing::isOneSafeLine(error.toStdString())) << error.toStdString();
    EXPECT_FALSE(specview::saveCsv(path, specview::SaveContext{}, series, &error));
    EXPECT_TRUE(quoting::testing::isOneSafeLine(error.toStdString())) << error.toStdString();
    EXPECT_FALSE(specview::saveSpdx(path, specview::SaveContext{}, series, &error));
    EXPECT_TRUE(quoting::testing::isOneSafeLine(error.toStdString())) << error.toStdString();
  }
}

// QSP_ColorGetCCT: published points, range ends, and identity of the shared
// table with the search that builds its table on every call.
#include "colour_internal.h"
#include "specsdk.h"
#include "spectra.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <set>
#include <thread>
#include <vector>

namespace {

int cct(double u, double v) {
  double written = -1;
  const int returned = QSP_ColorGetCCT(u, v, &written);
  EXPECT_EQ(written, returned) << u << ", " << v;
  return returned;
}

colorimetry::UV planckUV(double kelvin) {
  double X = 0, Y = 0, Z = 0, u = 0, v = 0;
  QSP_ColorGetXYZ(specsdk_test::planckSpectrum(kelvin, 5, 81).data(), 81, &X, &Y, &Z);
  GetCIE1960XY(X, Y, Z, &u, &v);
  return {u, v};
}

TEST(LibraryCct, PublishedIlluminants) {
  EXPECT_EQ(cct(0.19784, 0.31221), 6505); // D65
  EXPECT_EQ(cct(0.25597, 0.34954), 2855); // A
}

TEST(LibraryCct, RangeEnds) {
  const colorimetry::LocusEntry first = specsdk::sharedCctLocusTable().entries[0];
  EXPECT_EQ(cct(first.u, first.v), 2000);
  const colorimetry::UV cold = planckUV(1000);
  EXPECT_EQ(cct(cold.u, cold.v), 1995);
  const colorimetry::UV hot = planckUV(1e6);
  EXPECT_EQ(cct(hot.u, hot.v), 50000);
}

TEST(LibraryCct, PlanckRadiatorsRoundDownToTheFiveKelvinGrid) {
  for (double kelvin = 2003; kelvin < 50000; kelvin *= 1.37) {
    const colorimetry::UV p = planckUV(kelvin);
    const int expected = 5 * static_cast<int>(std::floor(kelvin / 5));
    EXPECT_EQ(cct(p.u, p.v), expected) << kelvin;
  }
}

TEST(LibraryCct, NonFiniteInput) {
  // NaN fails every test. Every isotemperature slope is negative, so an
  // infinite u or v makes the first offset +inf (1995 K) and u = −inf makes
  // every offset −inf (50000 K).
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(cct(nan, 0.3), 50000);
  EXPECT_EQ(cct(0.2, nan), 50000);
  EXPECT_EQ(cct(inf, 0.3), 1995);
  EXPECT_EQ(cct(0.2, inf), 1995);
  EXPECT_EQ(cct(-inf, 0.3), 50000);
}

// The search as it runs with a table of its own, dividing every offset.
int cctWithOwnTable(const specsdk::CctLocusTable& table, double u, double v) {
  int i = 0;
  for (; i < specsdk::kCctLocusEntries; ++i) {
    const colorimetry::LocusEntry& e = table.entries[i];
    const double d = ((v - e.v) - e.m * (u - e.u)) / std::sqrt(e.m * e.m + 1);
    if (d > 0) {
      break;
    }
  }
  return 1995 + 5 * i;
}

TEST(LibraryCctTable, EveryBuildIsIdentical) {
  const auto a = specsdk::buildCctLocusTable();
  const auto b = specsdk::buildCctLocusTable();
  EXPECT_EQ(std::memcmp(a.get(), b.get(), sizeof(specsdk::CctLocusTable)), 0);
  EXPECT_EQ(std::memcmp(a.get(), &specsdk::sharedCctLocusTable(), sizeof(specsdk::CctLocusTable)),
            0);
  EXPECT_EQ(a->entries.front().T, 2000);
  EXPECT_EQ(a->entries.back().T, 50000);
}

TEST(LibraryCctTable, SharedTableGivesTheResultsOfAPerCallTable) {
  const auto ownTable = specsdk::buildCctLocusTable();
  std::vector<colorimetry::UV> points;
  // A dense grid over and well beyond the locus from below 2000 K to above
  // 50000 K.
  for (int i = 0; i <= 160; ++i) {
    for (int j = 0; j <= 120; ++j) {
      points.push_back({0.08 + 0.3 * i / 160, 0.18 + 0.24 * j / 120});
    }
  }
  // Points on isotemperature lines through table entries and one step off them.
  for (int i = 0; i < specsdk::kCctLocusEntries; i += 97) {
    const colorimetry::LocusEntry& e = ownTable->entries[i];
    for (double du : {-0.01, 0.0, 0.01}) {
      const double v = e.v + e.m * du;
      points.push_back({e.u + du, v});
      points.push_back({e.u + du, std::nextafter(v, 1.0)});
      points.push_back({e.u + du, std::nextafter(v, 0.0)});
    }
  }
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (double a : {inf, -inf, nan, 0.0, 1e300, -1e300, 4.9e-324}) {
    points.push_back({a, 0.3});
    points.push_back({0.2, a});
    points.push_back({a, a});
  }

  std::set<int> distinct;
  for (const colorimetry::UV& p : points) {
    const int expected = cctWithOwnTable(*ownTable, p.u, p.v);
    ASSERT_EQ(cct(p.u, p.v), expected) << p.u << ", " << p.v;
    distinct.insert(expected);
  }
  EXPECT_TRUE(distinct.count(1995));
  EXPECT_TRUE(distinct.count(50000));
  EXPECT_GT(distinct.size(), 1000u);
}

TEST(LibraryCctTable, ConcurrentFirstUseBuildsOneTable) {
  std::vector<std::thread> threads;
  std::vector<int> results(4);
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&results, t] {
      double ignored = 0;
      results[t] = QSP_ColorGetCCT(0.19784, 0.31221, &ignored);
    });
  }
  for (std::thread& t : threads) {
    t.join();
  }
  for (int r : results) {
    EXPECT_EQ(r, 6505);
  }
}

} // namespace

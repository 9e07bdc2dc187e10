// QSP_ColorGetCCT: published points, range ends, and identity of the shared
// table with a search that builds its own table.
#include "colour_internal.h"
#include "specsdk.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <set>
#include <vector>

namespace {

using colorimetry::UV;

int cct(double u, double v) {
  double written = -1;
  const int returned = QSP_ColorGetCCT(u, v, &written);
  EXPECT_EQ(written, returned) << u << ", " << v;
  return returned;
}

UV planckUV(double kelvin) {
  float s[81];
  colorimetry::samplePlanck(colorimetry::kReferencePlanck, kelvin, colorimetry::kVisible5nm, s);
  return colorimetry::cie1960(specsdk::tristimulus5nm(s, 81));
}

TEST(LibraryCct, PublishedPointsAndRangeEnds) {
  EXPECT_EQ(cct(0.19784, 0.31221), 6505); // D65
  EXPECT_EQ(cct(0.25597, 0.34954), 2855); // A
  const colorimetry::LocusEntry first = specsdk::sharedCctLocusTable().entries[0];
  EXPECT_EQ(cct(first.u, first.v), 2000);
  EXPECT_EQ(cct(planckUV(1000).u, planckUV(1000).v), 1995);
  EXPECT_EQ(cct(planckUV(1e6).u, planckUV(1e6).v), 50000);
  // Planckian radiators round down to the 5 K grid.
  for (double kelvin = 2003; kelvin < 50000; kelvin *= 1.37) {
    EXPECT_EQ(cct(planckUV(kelvin).u, planckUV(kelvin).v), 5 * std::floor(kelvin / 5)) << kelvin;
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

TEST(LibraryCctTable, EveryBuildIsIdentical) {
  const auto a = specsdk::buildCctLocusTable();
  const auto b = specsdk::buildCctLocusTable();
  EXPECT_EQ(std::memcmp(a.get(), b.get(), sizeof *a), 0);
  EXPECT_EQ(std::memcmp(a.get(), &specsdk::sharedCctLocusTable(), sizeof *a), 0);
  EXPECT_EQ(a->entries.back().T, 50000);
}

// The search as written for a table of its own: every dᵢ divided out.
int cctWithOwnTable(const specsdk::CctLocusTable &table, UV p) {
  int i = 0;
  for (; i < specsdk::kCctLocusEntries; ++i) {
    const colorimetry::LocusEntry &e = table.entries[i];
    if (((p.v - e.v) - e.m * (p.u - e.u)) / std::sqrt(e.m * e.m + 1) > 0) {
      break;
    }
  }
  return 1995 + 5 * i;
}

TEST(LibraryCctTable, SharedTableGivesTheResultsOfAPerCallTable) {
  const auto own = specsdk::buildCctLocusTable();
  std::vector<UV> points;
  // A dense grid over and well beyond the locus, below 2000 K to above 50000 K.
  for (int i = 0; i <= 160; ++i) {
    for (int j = 0; j <= 120; ++j) {
      points.push_back({0.08 + 0.3 * i / 160, 0.18 + 0.24 * j / 120});
    }
  }
  // On isotemperature lines through entries and one rounding step off them.
  for (int i = 0; i < specsdk::kCctLocusEntries; i += 97) {
    const colorimetry::LocusEntry &e = own->entries[i];
    for (double du : {-0.01, 0.0, 0.01}) {
      const double v = e.v + e.m * du;
      for (double vOff : {v, std::nextafter(v, 1.0), std::nextafter(v, 0.0)}) {
        points.push_back({e.u + du, vOff});
      }
    }
  }
  for (double a : {std::numeric_limits<double>::infinity(), -1e300, 4.9e-324, 11.0,
                   std::numeric_limits<double>::quiet_NaN()}) {
    points.insert(points.end(), {{a, 0.3}, {0.2, a}, {a, a}, {-a, a}});
  }

  std::set<int> distinct;
  for (const UV &p : points) {
    const int expected = cctWithOwnTable(*own, p);
    ASSERT_EQ(cct(p.u, p.v), expected) << p.u << ", " << p.v;
    distinct.insert(expected);
  }
  EXPECT_TRUE(distinct.count(1995) && distinct.count(50000));
  EXPECT_GT(distinct.size(), 1000u);
}

} // namespace

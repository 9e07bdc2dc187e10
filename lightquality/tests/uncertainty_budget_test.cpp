// Budget files: the default, fields that override it one by one, and every
// refusal with its message.
#include "lightquality/uncertainty_budget.h"

#include "hostile_text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

using namespace lightquality;

std::string refusal(const std::string &text) {
  UncertaintyBudget budget = defaultUncertaintyBudget();
  std::string error;
  EXPECT_FALSE(parseUncertaintyBudget(text, "b.json", &budget, &error)) << text;
  EXPECT_EQ(budget.name, "default") << "a refused file changes nothing";
  return error;
}

TEST(UncertaintyBudget, DefaultHoldsTheTypicalMeter) {
  const UncertaintyBudget &b = defaultUncertaintyBudget();
  EXPECT_EQ(b.name, "default");
  EXPECT_EQ(b.scaleURel, 0.02);
  ASSERT_EQ(b.responsivity.size(), 4u);
  EXPECT_EQ(b.responsivity[1].nm, 420);
  EXPECT_EQ(b.responsivity[3].uRel, 0.02);
  EXPECT_EQ(b.correlationNm, 40);
  EXPECT_EQ(b.shiftNm, 0.3);
  EXPECT_EQ(b.noiseURel, 0.005);
  EXPECT_EQ(b.noiseFloorRelPeak, 0.001);
  EXPECT_EQ(b.noiseFloorCounts, 0);
}

TEST(UncertaintyBudget, FieldsOverrideTheDefaultOneByOne) {
  UncertaintyBudget b;
  ASSERT_TRUE(parseUncertaintyBudget(
      R"({"shift_u_nm": 1, "responsivity_u_rel": [[500, 0]], "version": 1.0})",
      "/calibration/meter 7.json", &b, nullptr));
  EXPECT_EQ(b.name, "meter 7.json");
  EXPECT_EQ(b.shiftNm, 1);
  ASSERT_EQ(b.responsivity.size(), 1u);
  EXPECT_EQ(b.responsivity[0].uRel, 0);
  EXPECT_EQ(b.scaleURel, 0.02);

  // What the output prints reads back as the same budget.
  UncertaintyBudget again;
  ASSERT_TRUE(parseUncertaintyBudget(uncertaintyBudgetJson(b), "again", &again, nullptr));
  EXPECT_EQ(uncertaintyBudgetJson(again), uncertaintyBudgetJson(b));
}

TEST(UncertaintyBudget, RefusesWithOneLineEach) {
  EXPECT_EQ(refusal("[1, 2]"), "budget: b.json is not a JSON object");
  EXPECT_EQ(refusal("{\"scale_u_rel\": 0.1"), "budget: b.json is not a JSON object");
  EXPECT_EQ(refusal(R"({"scale": 0.1})"), "budget: unknown field 'scale'");
  // Text from the file is quoted.
  EXPECT_EQ(refusal("{\"a\\nb\": 1}"), "budget: unknown field 'a\\x0Ab'");
  EXPECT_EQ(refusal("{\"a\x7F\": 1}"), "budget: unknown field 'a\\x7F'");
  for (const std::string &hostile : quoting::testing::hostileTexts()) {
    UncertaintyBudget b;
    std::string error;
    EXPECT_FALSE(parseUncertaintyBudget("{\"shift_u_nm\": 9}", hostile, &b, &error));
    EXPECT_TRUE(quoting::testing::isOneSafeLine(error)) << error;
  }
  EXPECT_EQ(refusal(R"({"format": "other"})"),
            R"(budget: format must be "solvane-uncertainty-budget")");
  EXPECT_EQ(refusal(R"({"version": 2})"), "budget: version must be 1");
  EXPECT_EQ(refusal(R"({"version": true})"), "budget: version must be 1");
  EXPECT_EQ(refusal(R"({"scale_u_rel": 0.5})"),
            "budget: scale_u_rel must be a number from 0 to 0.2, got 0.5");
  EXPECT_EQ(refusal(R"({"scale_u_rel": "x"})"),
            "budget: scale_u_rel must be a number from 0 to 0.2, got \"x\"");
  EXPECT_EQ(refusal(R"({"scale_u_rel": false})"),
            "budget: scale_u_rel must be a number from 0 to 0.2, got false");
  EXPECT_EQ(refusal(R"({"responsivity_correlation_nm": 0.5})"),
            "budget: responsivity_correlation_nm must be a number from 1 to 1000, got 0.5");
  EXPECT_EQ(refusal(R"({"shift_u_nm": -1})"),
            "budget: shift_u_nm must be a number from 0 to 5, got -1");
  EXPECT_EQ(refusal(R"({"noise_u_rel": null})"),
            "budget: noise_u_rel must be a number from 0 to 0.5, got null");
  EXPECT_EQ(refusal(R"({"noise_floor_rel_peak": [0.1]})"),
            "budget: noise_floor_rel_peak must be a number from 0 to 0.5, got [0.1]");
  EXPECT_EQ(refusal(R"({"noise_floor_counts": 65536})"),
            "budget: noise_floor_counts must be a number from 0 to 65535, got 65536");
  const std::string pairs =
      "budget: responsivity_u_rel must be a non-empty list of [wavelength_nm, u_rel] pairs";
  EXPECT_EQ(refusal(R"({"responsivity_u_rel": []})"), pairs);
  EXPECT_EQ(refusal(R"({"responsivity_u_rel": [[400, 0.1, 2]]})"), pairs);
  EXPECT_EQ(refusal(R"({"responsivity_u_rel": [[400, true]]})"), pairs);
  EXPECT_EQ(refusal(R"({"responsivity_u_rel": [[500, 0.1], [500, 0.1]]})"),
            "budget: responsivity_u_rel wavelengths must increase strictly");
  EXPECT_EQ(refusal(R"({"responsivity_u_rel": [[400, 0.1], [500, 0.25]]})"),
            "budget: responsivity_u_rel values must be from 0 to 0.2, got 0.25");
  // A long value is cut.
  EXPECT_EQ(refusal("{\"shift_u_nm\": \"" + std::string(300, '1') + "\"}"),
            "budget: shift_u_nm must be a number from 0 to 5, got \"" + std::string(199, '1') +
                "… (302 bytes)");
}

TEST(UncertaintyBudget, UnreadableFileSaysWhy) {
  UncertaintyBudget b;
  std::string error;
  EXPECT_FALSE(readUncertaintyBudget("/nonexistent/b.json", &b, &error));
  EXPECT_EQ(error, "budget: cannot read /nonexistent/b.json: No such file or directory");
  EXPECT_FALSE(readUncertaintyBudget("/", &b, &error));
  EXPECT_EQ(error, "budget: cannot read /: Is a directory");

  const std::string path = ::testing::TempDir() + "budget.json";
  std::FILE *file = std::fopen(path.c_str(), "w");
  ASSERT_TRUE(file);
  std::fputs(R"({"scale_u_rel": 0.01})", file);
  std::fclose(file);
  ASSERT_TRUE(readUncertaintyBudget(path, &b, &error));
  EXPECT_EQ(b.scaleURel, 0.01);
  EXPECT_EQ(b.name, "budget.json");
}

} // namespace

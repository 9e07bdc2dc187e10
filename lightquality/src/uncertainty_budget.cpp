#include "lightquality/uncertainty_budget.h"

#include "quoting/quoted_text.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace lightquality {

// The default budget file's text, compiled in by the build.
extern const char *const kDefaultBudgetText;

namespace {

using Json = nlohmann::json;

constexpr const char *kFormat = "solvane-uncertainty-budget";
constexpr int kVersion = 1;
constexpr double kMaximumResponsivityURel = 0.2;

// A number field of the file, its range and where it goes.
struct NumberField {
  const char *key;
  double minimum;
  double maximum;
  double UncertaintyBudget::*member;
};

constexpr NumberField kNumberFields[] = {
    {"scale_u_rel", 0, 0.2, &UncertaintyBudget::scaleURel},
    {"responsivity_correlation_nm", 1, 1000, &UncertaintyBudget::correlationNm},
    {"shift_u_nm", 0, 5, &UncertaintyBudget::shiftNm},
    {"noise_u_rel", 0, 0.5, &UncertaintyBudget::noiseURel},
    {"noise_floor_rel_peak", 0, 0.5, &UncertaintyBudget::noiseFloorRelPeak},
    {"noise_floor_counts", 0, 65535, &UncertaintyBudget::noiseFloorCounts},
};

constexpr const char *kOtherFields[] = {"format", "version", "responsivity_u_rel"};

bool fail(std::string *error, const std::string &sentence) {
  if (error) {
    *error = "budget: " + sentence;
  }
  return false;
}

// A value as JSON text, quoted for a message.
std::string quoted(const Json &value) {
  return quoting::quotedText(value.dump(-1, ' ', false, Json::error_handler_t::replace));
}

bool knownField(const std::string &key) {
  for (const NumberField &f : kNumberFields) {
    if (key == f.key) {
      return true;
    }
  }
  for (const char *other : kOtherFields) {
    if (key == other) {
      return true;
    }
  }
  return false;
}

// Booleans are not numbers, and neither are the infinities an overflowing
// literal becomes.
bool finiteNumber(const Json &value) {
  return value.is_number() && std::isfinite(value.get<double>());
}

std::string shortNumber(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

bool readNumber(const Json &object, const NumberField &field, UncertaintyBudget *budget,
                std::string *error) {
  const auto found = object.find(field.key);
  if (found == object.end()) {
    return true;
  }
  if (!finiteNumber(*found) || found->get<double>() < field.minimum ||
      found->get<double>() > field.maximum) {
    return fail(error, std::string(field.key) + " must be a number from " +
                           shortNumber(field.minimum) + " to " + shortNumber(field.maximum) +
                           ", got " + quoted(*found));
  }
  budget->*field.member = found->get<double>();
  return true;
}

bool readResponsivity(const Json &object, UncertaintyBudget *budget, std::string *error) {
  const auto found = object.find("responsivity_u_rel");
  if (found == object.end()) {
    return true;
  }
  const Json &list = *found;
  const auto isPair = [](const Json &p) {
    return p.is_array() && p.size() == 2 && finiteNumber(p[0]) && finiteNumber(p[1]);
  };
  if (!list.is_array() || list.empty() || !std::all_of(list.begin(), list.end(), isPair)) {
    return fail(error,
                "responsivity_u_rel must be a non-empty list of [wavelength_nm, u_rel] pairs");
  }
  std::vector<ResponsivityPoint> points;
  for (const Json &pair : list) {
    const ResponsivityPoint p{pair[0].get<double>(), pair[1].get<double>()};
    if (!points.empty() && !(p.nm > points.back().nm)) {
      return fail(error, "responsivity_u_rel wavelengths must increase strictly");
    }
    points.push_back(p);
  }
  for (const Json &pair : list) {
    const double u = pair[1].get<double>();
    if (u < 0 || u > kMaximumResponsivityURel) {
      return fail(error, "responsivity_u_rel values must be from 0 to 0.2, got " + quoted(pair[1]));
    }
  }
  budget->responsivity = points;
  return true;
}

std::string fileName(const std::string &path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

namespace {

// The file's fields over `base`.
bool parseOver(const std::string &text, const std::string &path, const UncertaintyBudget &base,
               UncertaintyBudget *budget, std::string *error) {
  const Json object = Json::parse(text, nullptr, false);
  if (!object.is_object()) {
    return fail(error, quoting::quotedText(path) + " is not a JSON object");
  }
  for (const auto &field : object.items()) {
    if (!knownField(field.key())) {
      return fail(error, "unknown field '" + quoting::quotedText(field.key()) + "'");
    }
  }
  if (const auto format = object.find("format");
      format != object.end() && *format != Json(kFormat)) {
    return fail(error, std::string("format must be \"") + kFormat + "\"");
  }
  if (const auto version = object.find("version");
      version != object.end() && !(finiteNumber(*version) && version->get<double>() == kVersion)) {
    return fail(error, "version must be 1");
  }
  UncertaintyBudget read = base;
  for (const NumberField &field : kNumberFields) {
    if (!readNumber(object, field, &read, error)) {
      return false;
    }
  }
  if (!readResponsivity(object, &read, error)) {
    return false;
  }
  read.name = fileName(path);
  *budget = read;
  return true;
}

// Larger files are no budget; the bound keeps a device such as /dev/zero
// from being read for ever.
constexpr std::size_t kMaximumFileBytes = 1 << 20;

} // namespace

bool parseUncertaintyBudget(const std::string &text, const std::string &path,
                            UncertaintyBudget *budget, std::string *error) {
  return parseOver(text, path, defaultUncertaintyBudget(), budget, error);
}

bool readUncertaintyBudget(const std::string &path, UncertaintyBudget *budget,
                           std::string *error) {
  std::FILE *file = std::fopen(path.c_str(), "rb");
  if (!file) {
    return fail(error, "cannot read " + quoting::quotedText(path) + ": " + std::strerror(errno));
  }
  std::string text;
  char chunk[4096];
  std::size_t got = 0;
  while (text.size() <= kMaximumFileBytes && (got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
    text.append(chunk, got);
  }
  const bool failed = std::ferror(file) != 0;
  const int reason = errno;
  std::fclose(file);
  if (failed) {
    return fail(error, "cannot read " + quoting::quotedText(path) + ": " + std::strerror(reason));
  }
  if (text.size() > kMaximumFileBytes) {
    return fail(error, "cannot read " + quoting::quotedText(path) +
                           ": larger than 1 MiB, too large for a budget");
  }
  return parseUncertaintyBudget(text, path, budget, error);
}

const UncertaintyBudget &defaultUncertaintyBudget() {
  static const UncertaintyBudget budget = [] {
    UncertaintyBudget b;
    parseOver(kDefaultBudgetText, "default", UncertaintyBudget{}, &b, nullptr);
    return b;
  }();
  return budget;
}

std::string uncertaintyBudgetJson(const UncertaintyBudget &budget) {
  nlohmann::ordered_json o;
  o["format"] = kFormat;
  o["version"] = kVersion;
  o["scale_u_rel"] = budget.scaleURel;
  nlohmann::ordered_json points = nlohmann::ordered_json::array();
  for (const ResponsivityPoint &p : budget.responsivity) {
    points.push_back({p.nm, p.uRel});
  }
  o["responsivity_u_rel"] = points;
  o["responsivity_correlation_nm"] = budget.correlationNm;
  o["shift_u_nm"] = budget.shiftNm;
  if (budget.repeatedScans > 0) {
    o["noise"] = "repeated scans";
    o["scans"] = budget.repeatedScans;
  } else {
    o["noise_u_rel"] = budget.noiseURel;
    o["noise_floor_rel_peak"] = budget.noiseFloorRelPeak;
    o["noise_floor_counts"] = budget.noiseFloorCounts;
  }
  return o.dump();
}

} // namespace lightquality

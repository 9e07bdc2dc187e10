#include "drvinst/hardware_id.h"

#include "drvinst/text.h"

namespace drvinst {
namespace {

bool isIdSeparator(char c) {
  return c == '&' || c == '-' || c == '#' || c == '_';
}

std::string modelsSectionFor(const InfLine &manufacturer, std::string_view decoration) {
  const std::string &models = manufacturer[1];
  for (std::size_t i = 2; i < manufacturer.size(); ++i) {
    if (equalsIgnoringCase(manufacturer[i], decoration)) {
      return models + "." + manufacturer[i];
    }
  }
  return models;
}

} // namespace

bool hardwareIdMatches(std::string_view modelId, std::string_view deviceId) {
  const std::string model = toUpper(modelId);
  const std::string device = toUpper(deviceId);
  if (device.find(model) == std::string::npos) {
    return false;
  }
  return model.size() >= device.size() || isIdSeparator(device[model.size()]);
}

std::optional<std::string> modelHardwareId(const InfFile &inf, std::string_view decoration) {
  for (const InfLine &manufacturer : inf.sectionLines("Manufacturer")) {
    if (manufacturer.size() < 2) {
      continue;
    }
    const std::vector<InfLine> models =
        inf.sectionLines(modelsSectionFor(manufacturer, decoration));
    if (!models.empty()) {
      const InfLine &model = models.front();
      return model.size() > 2 ? model[2] : std::string();
    }
  }
  return std::nullopt;
}

} // namespace drvinst

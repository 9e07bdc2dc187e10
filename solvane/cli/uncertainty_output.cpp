#include "uncertainty_output.h"

#include "exit_status.h"

#include "lightquality/uncertainty_display.h"

#include <QJsonDocument>
#include <QRegularExpression>

#include <cmath>
#include <cstdio>
#include <string>

namespace {

using lightquality::UncertaintyResult;

// The value after `option`, taken out of `args` with the option; false when
// the option has no value or comes twice. `value` stays empty without the
// option.
bool takeValue(QStringList *args, const QString &option, QString *value) {
  const int at = args->indexOf(option);
  if (at < 0) {
    return true;
  }
  if (at + 1 >= args->size()) {
    return false;
  }
  *value = args->at(at + 1);
  args->removeAt(at);
  args->removeAt(at);
  return !args->contains(option);
}

int explained(const std::string &message) {
  std::fprintf(stderr, "solvane-cli: %s\n", message.c_str());
  return kUsageExplained;
}

QJsonValue number(double v) {
  return std::isfinite(v) ? QJsonValue(v) : QJsonValue();
}

} // namespace

int takeUncertaintyOptions(QStringList *args, std::optional<UncertaintyRequest> *request) {
  const bool wanted = args->removeAll("--uncertainty") == 1;
  QString budgetFile, draws, seed;
  if (!takeValue(args, "--budget", &budgetFile) || !takeValue(args, "--draws", &draws) ||
      !takeValue(args, "--seed", &seed) || args->contains("--uncertainty")) {
    return kUsage;
  }
  if (!wanted) {
    return budgetFile.isNull() && draws.isNull() && seed.isNull() ? kOk : kUsage;
  }
  UncertaintyRequest r{lightquality::defaultUncertaintyBudget(), {}};
  if (!draws.isNull()) {
    bool ok = false;
    r.settings.adaptive = false;
    r.settings.draws = draws.toInt(&ok);
    if (!ok || r.settings.draws < lightquality::kMinimumDraws ||
        r.settings.draws > lightquality::kMaximumDraws) {
      return explained("--draws must be an integer from 1000 to 100000");
    }
  }
  bool ok = true;
  r.settings.seed = seed.isNull() ? lightquality::randomSeed() : seed.toULongLong(&ok);
  if (!ok || seed.startsWith('+')) {
    return explained("--seed must be an integer from 0 to 18446744073709551615");
  }
  std::string error;
  if (!budgetFile.isNull() &&
      !lightquality::readUncertaintyBudget(budgetFile.toStdString(), &r.budget, &error)) {
    return explained(error);
  }
  *request = r;
  return kOk;
}

UncertaintyResult propagateRecord(const solvane::quality::RecordQuality &record,
                                  const UncertaintyRequest &request) {
  UncertaintyResult result;
  lightquality::propagateUncertainty(record.input.spectrum, record.input.illuminance,
                                     request.budget, request.settings, &result);
  return result;
}

QJsonObject uncertaintyJson(const UncertaintyResult &result,
                            const lightquality::UncertaintyBudget &budget) {
  QJsonObject figures;
  const std::vector<lightquality::UncertainFigure> &rows = lightquality::uncertainFigures();
  for (std::size_t f = 0; f < rows.size(); ++f) {
    const lightquality::FigureUncertainty &r = result.figures[f];
    QJsonObject o{{"value", number(r.value)},   {"mean", number(r.mean)},
                  {"u", number(r.u)},           {"low95", number(r.low95)},
                  {"high95", number(r.high95)}, {"undefined_draws", r.undefinedDraws}};
    if (!r.reason.empty()) {
      o.insert("reason", QString::fromStdString(r.reason));
    }
    figures.insert(rows[f].key, o);
  }
  const QJsonObject budgetObject =
      QJsonDocument::fromJson(QByteArray::fromStdString(lightquality::uncertaintyBudgetJson(budget)))
          .object();
  QJsonObject o{{"mode", result.adaptive ? "adaptive" : "fixed"},
                {"draws", result.draws},
                {"seed", QString("seed:%1").arg(result.seed)},
                {"budget_name", QString::fromStdString(budget.name)},
                {"budget", budgetObject},
                {"figures", figures}};
  if (result.adaptive) {
    o.insert("converged", result.converged);
  }
  return o;
}

QByteArray uncertaintySeedsAsNumbers(const QByteArray &json) {
  // A label holding the same text is escaped ("\"seed\": ..."), so only
  // the key itself matches.
  static const QRegularExpression seed(R"re("seed": "seed:(\d+)")re");
  return QString::fromUtf8(json).replace(seed, R"re("seed": \1)re").toUtf8();
}

void printUncertaintyLines(const UncertaintyResult &result,
                           const lightquality::UncertaintyBudget &budget) {
  std::printf("  Uncertainty                budget %s, %d draws (%s%s), seed %llu; ± is k = 2\n",
              budget.name.c_str(), result.draws, result.adaptive ? "adaptive" : "fixed",
              result.adaptive && !result.converged ? ", not converged" : "",
              static_cast<unsigned long long>(result.seed));
  const std::vector<lightquality::UncertainFigure> &rows = lightquality::uncertainFigures();
  for (std::size_t f = 0; f < rows.size(); ++f) {
    std::printf("%28s%-20s %s\n", "", rows[f].label,
                lightquality::uncertaintyDisplay(result.figures[f], result.draws, rows[f].decimals,
                                                 rows[f].unit)
                    .text.c_str());
  }
}

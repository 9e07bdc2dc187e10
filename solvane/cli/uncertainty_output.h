#pragma once

// solvane-cli metrics --uncertainty: the options, each record's figures
// with their uncertainty by Monte Carlo propagation of the meter's budget,
// as the record's "uncertainty" object or as lines after its table.

#include "solvane/quality/record_quality.h"

#include "lightquality/uncertainty.h"
#include "lightquality/uncertainty_budget.h"

#include <QJsonObject>
#include <QStringList>

#include <optional>

struct UncertaintyRequest {
  lightquality::UncertaintyBudget budget;
  lightquality::UncertaintySettings settings;
};

// Takes --uncertainty, --budget FILE, --draws N and --seed S out of `args`.
// kOk with `request` set when --uncertainty was given; kUsage for an option
// without its value or given twice, or the others without --uncertainty;
// kUsageExplained after one line on stderr for a value out of its range or
// a budget file that is refused.
int takeUncertaintyOptions(QStringList *args, std::optional<UncertaintyRequest> *request);

lightquality::UncertaintyResult propagateRecord(const solvane::quality::RecordQuality &record,
                                                const UncertaintyRequest &request);

// The record's "uncertainty" object. Its seed is written as the string
// "seed:N"; uncertaintySeedsAsNumbers() makes it the number N in the text,
// which JSON's doubles cannot hold for every 64-bit seed.
QJsonObject uncertaintyJson(const lightquality::UncertaintyResult &result,
                            const lightquality::UncertaintyBudget &budget);
QByteArray uncertaintySeedsAsNumbers(const QByteArray &json);

// The lines after a record's table: a header that names the budget and the
// draws, then every figure with its uncertainty.
void printUncertaintyLines(const lightquality::UncertaintyResult &result,
                           const lightquality::UncertaintyBudget &budget);

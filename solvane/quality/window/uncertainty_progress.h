#pragma once

// The draws of an uncertainty propagation run once, to completion, while
// the user waits: on a worker thread, with a window-modal progress dialog
// that counts the draws and can cancel them. The window beneath keeps
// painting meanwhile.

#include "lightquality/uncertainty.h"
#include "lightquality/uncertainty_budget.h"

#include <QString>

#include <optional>

class QWidget;

namespace solvane::quality {

// Every figure of the spectrum (401 samples, any unit) at `illuminanceLux`,
// by `settings`; `label` says in the dialog what the draws are for. Empty
// when the user cancelled.
std::optional<lightquality::UncertaintyResult>
propagateWithProgress(const lightquality::Spectrum &spectrum, double illuminanceLux,
                      const lightquality::UncertaintyBudget &budget,
                      const lightquality::UncertaintySettings &settings, const QString &label,
                      QWidget *parent);

} // namespace solvane::quality

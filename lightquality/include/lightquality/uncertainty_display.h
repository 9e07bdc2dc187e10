#pragma once

// A figure with its uncertainty as people read it: u to two significant
// digits, the value and the interval to the same place, and the interval
// written as ± 2u where it is symmetric enough to be one.

#include "lightquality/uncertainty.h"

#include <string>

namespace lightquality {

struct UncertaintyDisplay {
  std::string text; // "2625 ± 35", "74.2 [72.1, 75.9]", "n/a"
  bool expanded;    // shown as value ± 2u: the table says "(k = 2)" once
};

// `draws` is the number of draws made; `decimals` those of the value when
// it has no uncertainty (u = 0); `unit` follows the numbers. A value
// without statistics shows "± n/a"; draws where the figure is undefined
// are counted at the end.
UncertaintyDisplay uncertaintyDisplay(const FigureUncertainty &figure, int draws, int decimals,
                                      const std::string &unit = {});

} // namespace lightquality

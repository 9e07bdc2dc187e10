#include "cie/tables.h"

#include <limits>

namespace cie {

const double *Table::row(int nm) const {
  const int offset = nm - firstNm;
  if (offset < 0 || offset % stepNm != 0 || offset / stepNm >= rows) {
    return nullptr;
  }
  return values + static_cast<long>(offset / stepNm) * columns;
}

double Table::at(int nm, int column) const {
  const double *r = row(nm);
  if (r == nullptr || column < 0 || column >= columns) {
    return std::numeric_limits<double>::quiet_NaN();
  }
  return r[column];
}

double Table::linearAt(int nm, int column) const {
  const int below = nm - (nm - firstNm) % stepNm;
  const double t = static_cast<double>(nm - below) / stepNm;
  const double a = at(below, column);
  return t == 0 ? a : a + t * (at(below + stepNm, column) - a);
}

} // namespace cie

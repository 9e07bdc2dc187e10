#include "messagebox.h"

#include <utility>

namespace solvane::ui {
namespace {

WarningAnswerer &answerer() {
  static WarningAnswerer installed;
  return installed;
}

} // namespace

QMessageBox::StandardButton warning(QWidget *parent, const QString &title, const QString &text,
                                    QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton defaultButton) {
  if (answerer()) {
    return answerer()(title, text);
  }
  return QMessageBox::warning(parent, title, text, buttons, defaultButton);
}

void setWarningAnswerer(WarningAnswerer replacement) {
  answerer() = std::move(replacement);
}

} // namespace solvane::ui

#include "messagebox.h"

#include <utility>

namespace solvane::ui {
namespace {

MessageAnswerer &answerer() {
  static MessageAnswerer installed;
  return installed;
}

} // namespace

QMessageBox::StandardButton warning(QWidget *parent, const QString &title, const QString &text,
                                    QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton defaultButton) {
  if (answerer()) {
    return answerer()(QMessageBox::Warning, title, text);
  }
  return QMessageBox::warning(parent, title, text, buttons, defaultButton);
}

void information(QWidget *parent, const QString &title, const QString &text) {
  if (answerer()) {
    answerer()(QMessageBox::Information, title, text);
    return;
  }
  QMessageBox::information(parent, title, text);
}

void setMessageAnswerer(MessageAnswerer replacement) {
  answerer() = std::move(replacement);
}

} // namespace solvane::ui

#pragma once

// The one place through which the program shows its warning boxes, so that
// tests can answer them instead of a person.

#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

namespace solvane::ui {

// Shows a modal QMessageBox::warning, or hands it to the installed answerer.
QMessageBox::StandardButton
warning(QWidget *parent, const QString &title, const QString &text,
        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

// While set, every warning is passed to it instead of being shown, and its
// result is the box's answer. An empty function shows boxes again.
using WarningAnswerer =
    std::function<QMessageBox::StandardButton(const QString &title, const QString &text)>;
void setWarningAnswerer(WarningAnswerer answerer);

} // namespace solvane::ui

#pragma once

// The one place through which the program shows its message boxes, so that
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

// The same with the information icon: news that something succeeded.
void information(QWidget *parent, const QString &title, const QString &text);

// While set, every box is passed to it instead of being shown, with its icon
// (QMessageBox::Warning or QMessageBox::Information), and its result is the
// box's answer. An empty function shows boxes again.
using MessageAnswerer = std::function<QMessageBox::StandardButton(
    QMessageBox::Icon icon, const QString &title, const QString &text)>;
void setMessageAnswerer(MessageAnswerer answerer);

} // namespace solvane::ui

#pragma once

// What the window tests share: the window on the simulated meter in a
// temporary working folder, its children by object name, message boxes
// recorded instead of shown, and the record the window builds from a state.

#include "mainwindow.h"
#include "messagebox.h"

#include "simulator.h"
#include "solvane/records/measurement_record.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QItemSelectionModel>
#include <QJsonArray>
#include <QJsonObject>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>
#include <vector>

// Builds the record the meter's state holds at `ordinal`, as the window does.
inline QStringList expectedRecord(const QJsonObject &state, int ordinal, int observer = 0) {
  namespace rec = solvane::records;
  const QJsonObject r = state["records"].toArray()[ordinal].toObject();
  std::vector<double> spectrum;
  for (const QJsonValue &v : r["spectrum"].toArray()) {
    spectrum.push_back(v.toDouble());
  }
  return rec::buildMeasurementRecord(ordinal,
                                     QDateTime::fromString(r["time"].toString(), Qt::ISODate),
                                     r["illuminance"].toDouble(), spectrum.data(),
                                     rec::kSpectrumFields, r["ratio"].toDouble(), observer);
}

// Runs `answer` on the next modal dialog, once the window has opened it.
template <typename Dialog> void answerNext(std::function<void(Dialog *)> answer) {
  QTimer::singleShot(0, [answer] {
    auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
    QVERIFY2(dialog, "the expected dialog did not open");
    answer(dialog);
  });
}

// Runs `answer` once on the modal dialog of type Dialog as soon as one is
// open, however long the window takes to open it; looks no more once
// `scope` is gone.
template <typename Dialog>
void answerWhenOpen(QObject *scope, std::function<void(Dialog *)> answer) {
  auto *poll = new QTimer(scope);
  QObject::connect(poll, &QTimer::timeout, [poll, answer] {
    if (auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget())) {
      poll->stop();
      answer(dialog);
    }
  });
  poll->start(10);
}

// Answers the next file dialog with `path` as if typed.
inline void chooseFile(const QString &path) {
  answerNext<QFileDialog>([path](QFileDialog *dialog) {
    dialog->selectFile(path);
    static_cast<QDialog *>(dialog)->accept(); // QFileDialog::accept, which checks the name
  });
}

// The base of the window test classes: initTestCase calls enterWorkDir(),
// cleanupTestCase leaveWorkDir(), cleanup resets the window.
class WindowTest : public QObject {
protected:
  Simulator sim;
  QStringList warnings; // "title|message" of each warning box
  QStringList notes;    // the same of each information box
  std::unique_ptr<MainWindow> window;
  QTemporaryDir workDir;

  template <typename T> T *child(const char *name) const {
    T *found = window->findChild<T *>(name);
    Q_ASSERT(found);
    return found;
  }
  QTableWidget *stored() const { return child<QTableWidget>("tableWidget_storedData"); }
  QString label() const { return child<QLabel>("label_dataName")->text(); }

  // Selects whole rows of the stored-data table, as a user's clicks would.
  void selectRows(const QList<int> &rows) {
    QItemSelectionModel *selection = stored()->selectionModel();
    selection->clearSelection();
    for (int row : rows) {
      selection->select(stored()->model()->index(row, 0),
                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
  }

  // Every box answers Ok at once and adds "title|message" to warnings or,
  // shown with the information icon, to notes.
  void recordWarnings() {
    solvane::ui::setMessageAnswerer(
        [this](QMessageBox::Icon icon, const QString &title, const QString &message) {
          (icon == QMessageBox::Warning ? warnings : notes) << title + "|" + message;
          return QMessageBox::Ok;
        });
  }

  // The window keeps its files in the working folder: a temporary one here.
  void enterWorkDir() {
    QVERIFY(sim.ready());
    QVERIFY(workDir.isValid());
    startDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(workDir.path()));
    recordWarnings();
  }

  void leaveWorkDir() {
    solvane::ui::setMessageAnswerer({});
    QDir::setCurrent(startDir);
  }

private:
  QString startDir;
};

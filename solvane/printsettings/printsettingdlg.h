#pragma once

// The modal print settings dialog: the company and sample texts of the test
// report, kept in "PrintInfo" in the working directory, whether the report
// gets its light quality page and the uncertainty page after it (kept in
// "PrintQualityPage"), and the choice of a PDF file or paper. Print writes
// the files, reports the choice through isPdf(bool) and accepts; Cancel,
// Escape and closing the window reject.

#include <QDialog>
#include <QStringList>
#include <QVector>

class QLineEdit;

namespace Ui {
class PrintSettingDlg;
}

class PrintSettingDlg : public QDialog {
  Q_OBJECT

public:
  // Fills the texts from "PrintInfo" if it can be read; a missing file
  // leaves them empty with their placeholders.
  explicit PrintSettingDlg(QWidget *parent = nullptr);
  ~PrintSettingDlg() override;

signals:
  void isPdf(bool isPdf);

private slots:
  // Writes "PrintInfo" and "PrintQualityPage" and accepts. When a file
  // cannot be written the
  // dialog stays open with the texts as typed, and nothing is reported.
  void on_btn_print_clicked();

private:
  // The eight line edits in the order of the texts in "PrintInfo".
  QVector<QLineEdit *> lineEdits() const;
  QStringList texts() const;
  void showReportPages();
  void fitIcons();

  Ui::PrintSettingDlg *ui;
};

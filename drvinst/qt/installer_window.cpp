#include "installer_window.h"

#include <QFile>
#include <QFileDialog>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>
#include <QVBoxLayout>

#include <utility>

namespace drvinst::qt {
namespace {

// Width in pixels of a failure message box, enough for a rules path.
constexpr int kReasonWidth = 480;

// The Windows dialog's About entry reads "关于 Drvinst(&A)..."; an English
// dialog gets the same entry in English.
const char *aboutEntry(Language language) {
  return language == Language::Chinese ? DRVINST_ABOUT_MENU_ENTRY : "&About Drvinst...";
}

QFrame *horizontalLine(QWidget *parent) {
  auto *line = new QFrame(parent);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  return line;
}

} // namespace

InstallerWindow::InstallerWindow(Language language, DriverInstaller &installer,
                                 std::string programPath, QWidget *parent)
    : QDialog(parent), flow_(installer, std::move(programPath), language, *this),
      installButton_(new QPushButton(QString::fromUtf8(dialogTexts(language).installButton), this)),
      aboutButton_(new QPushButton(QString::fromUtf8(aboutEntry(language)), this)) {
  setWindowTitle(QString::fromUtf8(dialogTexts(language).caption));
  setWindowIcon(QIcon(QStringLiteral(":/drvinst/drvinst.ico")));

  installButton_->setObjectName(QStringLiteral("installButton"));
  installButton_->setDefault(true);
  installButton_->setMinimumSize(212, 36);
  aboutButton_->setObjectName(QStringLiteral("aboutButton"));
  aboutButton_->setFlat(true);

  auto *webAddress = new QLabel(QString::fromUtf8(product::kWebAddress), this);
  webAddress->setObjectName(QStringLiteral("webAddressLabel"));
  webAddress->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  auto *buttonRow = new QHBoxLayout;
  buttonRow->addStretch();
  buttonRow->addWidget(installButton_);
  buttonRow->addStretch();
  auto *footer = new QHBoxLayout;
  footer->addWidget(aboutButton_);
  footer->addStretch();
  footer->addWidget(webAddress);

  auto *layout = new QVBoxLayout(this);
  layout->addSpacing(12);
  layout->addLayout(buttonRow);
  layout->addSpacing(12);
  layout->addWidget(horizontalLine(this));
  layout->addLayout(footer);
  setFixedSize(sizeHint().expandedTo(QSize(360, 0)));

  connect(installButton_, &QPushButton::clicked, this, [this] { flow_.onInstallClicked(); });
  connect(aboutButton_, &QPushButton::clicked, this, [this] {
    QDialog *about = createAboutBox();
    about->exec();
    delete about;
  });
}

std::string InstallerWindow::browseForFolder(const char *title) {
  const QString folder = QFileDialog::getExistingDirectory(this, QString::fromUtf8(title),
                                                           QString(), QFileDialog::ShowDirsOnly);
  return QFile::encodeName(folder).toStdString();
}

void InstallerWindow::showMessage(const char *caption, const char *text,
                                  const std::string &reason) {
  QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(caption), QString::fromUtf8(text),
                  QMessageBox::Ok, this);
  if (!reason.empty()) {
    box.setInformativeText(QFile::decodeName(reason.c_str()));
    // The box takes its width from the short fixed text and would wrap a
    // reason with a long path into a narrow column; a spacer widens it.
    auto *grid = qobject_cast<QGridLayout *>(box.layout());
    grid->addItem(new QSpacerItem(kReasonWidth, 0, QSizePolicy::Minimum, QSizePolicy::Expanding),
                  grid->rowCount(), 0, 1, grid->columnCount());
  }
  box.exec();
}

void InstallerWindow::close() {
  accept();
}

QDialog *InstallerWindow::createAboutBox() {
  auto *box = new QMessageBox(QMessageBox::NoIcon, QString::fromUtf8(DRVINST_ABOUT_CAPTION),
                              QString::fromUtf8(DRVINST_ABOUT_VERSION "\n" DRVINST_ABOUT_NOTICE),
                              QMessageBox::Ok, this);
  box->setObjectName(QStringLiteral("aboutBox"));
  box->setIconPixmap(windowIcon().pixmap(32, 32));
  box->button(QMessageBox::Ok)->setText(QString::fromUtf8(DRVINST_ABOUT_OK));
  return box;
}

} // namespace drvinst::qt

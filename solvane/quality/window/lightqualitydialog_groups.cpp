// The user-group tabs of the Light quality window: cinema (SSI, TLCI and
// TLMF, exposure, mired shift), horticulture (photon quantities) and outdoor lighting (S/P).

#include "dialog_widgets.h"
#include "fitting.h"
#include "lightqualitydialog.h"

#include "lightquality/camera_stops.h"
#include "lightquality/usergroups.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <cmath>
#include <iterator>

namespace solvane::quality {

using namespace dialogwidgets;

namespace {

// Film speeds of the exposure table; its f-numbers are the camera's third
// stops.
constexpr int kSpeeds[] = {100, 400, 800};

// A shutter time to the unit a photographer reads: "1/64.0 s", "2.50 s".
QString exactShutterText(double seconds) {
  if (seconds >= 1) {
    return QString::number(seconds, 'f', 2) + " s";
  }
  return QString("1/%1 s").arg(1 / seconds, 0, 'f', 1);
}

// The camera's nominal speed nearest to the exact time ("1/60"), with the
// exact time on hover; the exact time where it is beyond the camera's
// speeds.
QTableWidgetItem *shutterItem(double seconds) {
  auto *item = new QTableWidgetItem;
  item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  if (!std::isfinite(seconds)) {
    item->setText(figureText(seconds, 0)); // "n/a"
    return item;
  }
  const lightquality::CameraSetting *nominal = lightquality::nominalShutterSpeed(seconds);
  item->setText(nominal ? QString(nominal->nominal) : exactShutterText(seconds));
  item->setToolTip(LightQualityDialog::tr("exactly %1").arg(exactShutterText(seconds)));
  return item;
}

// A tab holding one group box at its top.
QWidget *boxPage(QGroupBox *box) {
  auto *page = new QWidget;
  auto *layout = new QVBoxLayout(page);
  layout->addWidget(box);
  layout->addStretch(1);
  return page;
}

QSpinBox *kelvinBox(int value, const char *objectName) {
  auto *box = new QSpinBox;
  box->setObjectName(objectName);
  box->setRange(1000, 25000);
  box->setSingleStep(100);
  box->setSuffix(" K");
  box->setValue(value);
  return box;
}

} // namespace

// Each tab scrolls, like the first, where the screen is too low for it.
void LightQualityDialog::addUserGroupTabs(QTabWidget *tabs) {
  tabs->addTab(new solvane::ui::FittingScrollArea(createCinemaPage()),
               tr("Cinema and photography"));
  tabs->addTab(new solvane::ui::FittingScrollArea(createHorticulturePage()), tr("Horticulture"));
  tabs->addTab(new solvane::ui::FittingScrollArea(createOutdoorPage()), tr("Outdoor lighting"));
}

QWidget *LightQualityDialog::createCinemaPage() {
  auto *page = new QWidget;
  page->setObjectName("page_cinema");
  auto *layout = new QVBoxLayout(page);
  layout->addWidget(createSimilarityBox());
  layout->addWidget(createTelevisionBox());
  layout->addWidget(createExposureBox());
  layout->addWidget(createMiredBox());
  layout->addStretch(1);
  return page;
}

QWidget *LightQualityDialog::createSimilarityBox() {
  using G = lightquality::FigureGroup;
  const lightquality::FigureSource source = m_quality.figures();
  auto *box = new QGroupBox(tr("Spectral Similarity Index (SSI, 0 to 100)"));
  auto *grid = new QGridLayout(box);
  addMarkedFigureRow(grid, lightquality::figure(G::kSimilarity, "planck_3200K"), source,
               "value_ssiPlanck");
  addMarkedFigureRow(grid, lightquality::figure(G::kSimilarity, "daylight_5600K"), source,
               "value_ssiDaylight");

  auto *kind = new QComboBox;
  kind->setObjectName("comboBox_ssiReference");
  kind->addItems({tr("against Planck at"), tr("against CIE daylight at")});
  auto *kelvin = kelvinBox(4300, "spinBox_ssiKelvin");
  auto *chosen = valueLabel(QString(), "value_ssiChosen");
  auto *choice = new QHBoxLayout;
  choice->addWidget(kind);
  choice->addWidget(kelvin);
  const int row = grid->rowCount();
  grid->addLayout(choice, row, 0);
  grid->addWidget(chosen, row, 1);
  const lightquality::Spectrum spectrum = m_quality.input.spectrum;
  const auto update = [kind, kelvin, chosen, spectrum] {
    const bool daylight = kind->currentIndex() == 1;
    kelvin->setMinimum(daylight ? 4000 : 1000); // CIE daylight starts at 4000 K
    const lightquality::Spectrum reference =
        daylight ? lightquality::ssiDaylightReference(kelvin->value())
                 : lightquality::ssiPlanckReference(kelvin->value());
    chosen->setText(figureText(lightquality::spectralSimilarityIndex(spectrum, reference).value,
                               lightquality::figure(G::kSimilarity, "planck_3200K").decimals));
  };
  connect(kind, qOverload<int>(&QComboBox::currentIndexChanged), this, update);
  connect(kelvin, qOverload<int>(&QSpinBox::valueChanged), this, update);
  update();
  addSourceNote(grid, tr("The Academy's Spectral Similarity Index (2020): the record's "
                         "spectrum against the reference over 375–675 nm; 100 is the "
                         "same spectrum."));
  return box;
}

QWidget *LightQualityDialog::createExposureBox() {
  const lightquality::Figure &evRow =
      lightquality::figure(lightquality::FigureGroup::kExposure, "ev100");
  const double ev100 = lightquality::figureValue(evRow, m_quality.figures());
  auto *box = new QGroupBox(tr("Exposure (incident light, C = 250), shutter times in seconds"));
  auto *layout = new QVBoxLayout(box);
  auto *grid = new QGridLayout;
  QLabel *evLabel = valueLabel(figureText(ev100, evRow.decimals), "value_ev100");
  markLabel(evLabel, evRow);
  addRow(grid, translatedFigureText(evRow.label), evLabel);
  layout->addLayout(grid);

  const std::vector<lightquality::CameraSetting> &apertures = lightquality::thirdStopApertures();
  auto *table = valueTable(static_cast<int>(std::size(kSpeeds)),
                           static_cast<int>(apertures.size()) + 1);
  table->setObjectName("table_exposure");
  QStringList columns{tr("EV")};
  for (const lightquality::CameraSetting &n : apertures) {
    columns << QString("f/%1").arg(n.nominal);
  }
  table->setHorizontalHeaderLabels(columns);
  for (int row = 0; row < table->rowCount(); ++row) {
    const int iso = kSpeeds[row];
    const double ev = lightquality::exposureValue(ev100, iso);
    table->setVerticalHeaderItem(row, new QTableWidgetItem(QString("ISO %1").arg(iso)));
    setCell(table, row, 0, figureText(ev, evRow.decimals));
    for (int column = 1; column < table->columnCount(); ++column) {
      const double exact = apertures[static_cast<std::size_t>(column - 1)].exact;
      table->setItem(row, column, shutterItem(lightquality::shutterSeconds(ev, exact)));
    }
  }
  // Every column as wide as its times: the window widens, up to the screen.
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  fitHeight(table);
  table->setMinimumWidth(table->verticalHeader()->sizeHint().width() +
                         table->horizontalHeader()->length() + 2 * table->frameWidth());
  layout->addWidget(table);
  layout->addWidget(sourceNote(tr("ISO 2720: EV = log₂(Ev · S / C) for film speed S; an aperture "
                                  "N and time t expose correctly when N²/t = 2^EV. Apertures and "
                                  "times are the camera's third stops; hover for the exact "
                                  "time.")));
  return box;
}

QWidget *LightQualityDialog::createMiredBox() {
  auto *box = new QGroupBox(tr("Mired shift to a target"));
  auto *grid = new QGridLayout(box);
  auto *target = kelvinBox(5600, "spinBox_miredTarget");
  auto *shift = valueLabel(QString(), "value_miredShift");
  const lightquality::CorrelatedColourTemperature &cct = m_quality.metrics.cct;
  const double measured = cct.defined() ? cct.kelvin : std::nan("");
  grid->addWidget(new QLabel(tr("Target CCT")), 0, 0);
  grid->addWidget(target, 0, 1);
  grid->addWidget(new QLabel(tr("Shift")), 1, 0);
  grid->addWidget(shift, 1, 1);
  grid->addWidget(new QLabel(tr("mired")), 1, 2);
  const auto update = [target, shift, measured] {
    shift->setText(figureText(lightquality::miredShift(measured, target->value()), 1));
  };
  connect(target, qOverload<int>(&QSpinBox::valueChanged), this, update);
  update();
  addSourceNote(grid, tr("10⁶/target − 10⁶/CCT (CIE 15:2018 CCT of the record); "
                         "negative: a blue, cooling filter; positive: an orange, warming "
                         "one."));
  return box;
}

QWidget *LightQualityDialog::createHorticulturePage() {
  using G = lightquality::FigureGroup;
  const lightquality::FigureSource source = m_quality.figures();
  auto *box = new QGroupBox(tr("Photon quantities at the record's illuminance"));
  auto *grid = new QGridLayout(box);
  addMarkedFigureRow(grid, lightquality::figure(G::kPhoton, "ppfd_umol_m2_s"), source, "value_ppfd");
  addMarkedFigureRow(grid, lightquality::figure(G::kPhoton, "pfd_fr_umol_m2_s"), source, "value_pfdFr");
  addMarkedFigureRow(grid, lightquality::figure(G::kPhoton, "r_fr"), source, "value_rFr");
  addSourceNote(grid, tr("ANSI/ASABE S640 photon flux densities and the red to far-red "
                         "ratio of Smith (1982), from the spectrum scaled to the record's "
                         "illuminance."));
  return boxPage(box);
}

QWidget *LightQualityDialog::createOutdoorPage() {
  auto *box = new QGroupBox(tr("Night vision"));
  auto *grid = new QGridLayout(box);
  addMarkedFigureRow(grid, lightquality::figure(lightquality::FigureGroup::kScotopic, "s_p_ratio"),
               m_quality.figures(), "value_spRatio");
  addSourceNote(grid, tr("Scotopic to photopic ratio: 1700.06 lm/W · Σ S·V′ / "
                         "(683.002 lm/W · Σ S·V), CIE 1951 scotopic function V′."));
  return boxPage(box);
}

} // namespace solvane::quality

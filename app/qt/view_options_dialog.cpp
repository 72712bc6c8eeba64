#include "app/qt/view_options_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

#include "app/qt/control_names.h"

namespace {
QSlider* MagnitudeSlider(int id, QWidget* parent) {
    auto* s = NamedControl(new QSlider(Qt::Horizontal, parent), id);
    s->setRange(kMagnitudeSliderMin, kMagnitudeSliderMax);
    s->setTickPosition(QSlider::TicksBelow);
    s->setTickInterval(10);
    s->setPageStep(10);
    return s;
}
}  // namespace

CViewOptionsDialog::CViewOptionsDialog(CLumoDoc& doc, bool daylight, QWidget* parent)
    : QDialog(parent), m_doc(doc) {
    setWindowTitle("View options");
    setObjectName("ViewOptionsDialog");

    auto* mode = new QGroupBox("View mode", this);
    m_equatorial = NamedControl(new QRadioButton("Equatorial", mode), kEquatorial);
    m_horizon = NamedControl(new QRadioButton("Horizon", mode), kHorizon);
    auto* modeLayout = new QHBoxLayout(mode);
    modeLayout->addWidget(m_equatorial);
    modeLayout->addWidget(m_horizon);

    auto check = [this](const char* text, int id) { return NamedControl(new QCheckBox(text, this), id); };
    m_grid = check("Lat/lon Grid", kGrid);
    m_ecliptic = check("Ecliptic", kEcliptic);
    m_localHorizon = check("Local horizon", kLocalHorizon);
    m_ground = check("Ground", kGround);
    m_figures = check("Constellations", kFigures);
    m_constNames = check("Const. Names", kConstNames);
    m_bounds = check("Const. Bounds", kBounds);
    m_daylight = check("Daylight", kDaylight);
    m_daylight->setChecked(daylight);
    auto* layers = new QGridLayout;
    int row = 0;
    for (QCheckBox* box : {m_grid, m_ecliptic, m_localHorizon, m_ground}) layers->addWidget(box, row++, 0);
    row = 0;
    for (QCheckBox* box : {m_figures, m_constNames, m_bounds, m_daylight}) layers->addWidget(box, row++, 1);

    m_magnitude = MagnitudeSlider(kMagnitudeSlider, this);
    m_names = MagnitudeSlider(kNamesSlider, this);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mode);
    layout->addLayout(layers);
    layout->addWidget(new QLabel("Magnitude Visible", this));
    layout->addWidget(m_magnitude);
    layout->addWidget(new QLabel("Names visible", this));
    layout->addWidget(m_names);
    layout->addWidget(buttons);

    ShowOptions(ReadViewOptions(m_doc));
}

void CViewOptionsDialog::ShowOptions(const ViewOptions& o) {
    (o.horizon ? m_horizon : m_equatorial)->setChecked(true);
    m_grid->setChecked(o.grid);
    m_ecliptic->setChecked(o.ecliptic);
    m_localHorizon->setChecked(o.localHorizon);
    m_ground->setChecked(o.ground);
    m_figures->setChecked(o.figures);
    m_constNames->setChecked(o.constNames);
    m_bounds->setChecked(o.bounds);
    m_magnitude->setValue(o.magSlider);
    m_names->setValue(o.nameSlider);
}

ViewOptions CViewOptionsDialog::ReadControls() const {
    ViewOptions o;
    o.horizon = m_horizon->isChecked();
    o.grid = m_grid->isChecked();
    o.ecliptic = m_ecliptic->isChecked();
    o.localHorizon = m_localHorizon->isChecked();
    o.ground = m_ground->isChecked();
    o.figures = m_figures->isChecked();
    o.constNames = m_constNames->isChecked();
    o.bounds = m_bounds->isChecked();
    o.magSlider = m_magnitude->value();
    o.nameSlider = m_names->value();
    return o;
}

bool CViewOptionsDialog::Daylight() const { return m_daylight->isChecked(); }

void CViewOptionsDialog::accept() {
    ApplyViewOptions(m_doc, ReadControls());
    QDialog::accept();
}

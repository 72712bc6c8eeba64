#pragma once
// "View options": the view mode, the seven layer switches and the two
// magnitude sliders over the document's view settings, and the Daylight
// switch of the view. OK writes them into the document (the caller
// repaints and keeps the Daylight switch); Cancel changes nothing.

#include <QDialog>

#include "catalogue/view_options.h"

class CLumoDoc;
class QCheckBox;
class QRadioButton;
class QSlider;

class CViewOptionsDialog : public QDialog {
public:
    // Control ids.
    static constexpr int kEquatorial = 1011, kHorizon = 1012;
    static constexpr int kGrid = 1005, kEcliptic = 1006, kLocalHorizon = 1007, kGround = 1008;
    static constexpr int kFigures = 1013, kConstNames = 1014, kBounds = 1015;
    static constexpr int kMagnitudeSlider = 1009, kNamesSlider = 1010;
    static constexpr int kDaylight = 1030;

    // daylight: the Daylight layer's switch, which the view keeps (not the
    // document); read it back with Daylight() after OK.
    CViewOptionsDialog(CLumoDoc& doc, bool daylight, QWidget* parent);

    bool Daylight() const;

    // OK: the controls into the document, then the dialog closes.
    void accept() override;

private:
    void ShowOptions(const ViewOptions& options);
    ViewOptions ReadControls() const;

    CLumoDoc& m_doc;
    QRadioButton* m_equatorial;
    QRadioButton* m_horizon;
    QCheckBox* m_grid;
    QCheckBox* m_ecliptic;
    QCheckBox* m_localHorizon;
    QCheckBox* m_ground;
    QCheckBox* m_figures;
    QCheckBox* m_constNames;
    QCheckBox* m_bounds;
    QCheckBox* m_daylight;
    QSlider* m_magnitude;
    QSlider* m_names;
};

#pragma once
// SV Insta Gib's configuration window: the game page of the variant with teams (nine team
// choosers) with the instagib weapon setup; the beam colour is a swatch that a double click
// changes through the colour dialog, kept as three hidden channel sliders.
#include "mods/common/ModWindow.h"

#include <QColor>
#include <QPointer>

class QCheckBox;
class QComboBox;
class QFrame;
class QLineEdit;
class QSlider;

class TFSVInstaGib : public TModWindow {
    Q_OBJECT
public:
    explicit TFSVInstaGib(QWidget* owner = nullptr);
    ~TFSVInstaGib() override;

    QCheckBox* SV_hook = nullptr;
    QCheckBox* SV_headshotpoints = nullptr;
    QCheckBox* SV_shootthroughwalls = nullptr;
    QCheckBox* SV_funny = nullptr;
    QLineEdit* SV_nextshot = nullptr;
    QComboBox* SV_sa = nullptr;
    QFrame* SV_beamcolor = nullptr;
    QSlider* SV_gaussr = nullptr;
    QSlider* SV_gaussg = nullptr;
    QSlider* SV_gaussb = nullptr;

    // The swatch's colour, and as the text "$00BBGGRR" it is built from.
    QColor BeamColor() const;
    QString BeamColorText() const;
    // Paints the swatch with the three channels.
    void PaintBeam();
    // A channel moved: the swatch repainted, the settings modified.
    void Change_Color();
    // The swatch double-clicked: the colour dialog, then the channels from the swatch.
    void SV_beamcolorDblClick();
    void SV_Modif_Param() { Modif_Param(); }

protected:
    void BuildGamePage(QWidget* page) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
};

extern QPointer<TFSVInstaGib> FSVInstaGib;

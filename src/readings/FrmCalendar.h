#pragma once

#include "runtime/DateValue.h"
#include "runtime/Numeric.h"
#include "shell/ModuleForm.h"

#include <memory>
#include <optional>

namespace Ui {
class FrmCalendar;
}

namespace readings {

struct SignPeriod;

// "Another Day...": a month calendar whose click reads the chosen date, its card by the
// card-of-the-day rule, its zodiac sign (with the change-of-sign marker and the season that
// begins) and the moon at local noon of that day.
class FrmCalendar : public shell::ModuleForm {
    Q_OBJECT

public:
    static constexpr const char* kName = "FrmCalendar";
    static constexpr runtime::Integer kLastMoonPicture = 29; // "moon0.gif" .. "moon29.gif"

    FrmCalendar();
    ~FrmCalendar() override;

    // The moon picture of half the phase angle: up to 6 "moon0.gif", then one picture for each
    // 6 more; past 180 (a lunation longer than the mean) the last one.
    static runtime::Integer moonPictureOfHalfAngle(runtime::Long halfAngle);

    // Handlers; tests call them directly.
    void Calendar1_Click();
    void Imgfechasel_Click();
    void ImageZod_MouseDown();
    void ImageZod_MouseUp();
    void ImageAlert_Click();
    void ARButtonHoy_Click();
    void ARButtonNom_Click();
    void ARButtonOra_Click();
    void ARButtonNum_Click();
    void ARButtonBio_Click();
    void CmdSalir_Click();
    void MnuSal_Click();

    QAction* MnuBio;
    QAction* MnuNom;
    QAction* MnuOracul;
    QAction* MnuCdia;
    QAction* MnuNum;
    QAction* MnuSal;

    runtime::Integer cartaFecha = 0; // the card of the chosen date

protected:
    void loadModule() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    using shell::ModuleForm::UnloadAllForms;

    void greyDaysBeforeTheFirst();
    void styleControls();
    void connectControls();
    void showDateText(runtime::DateValue chosen);
    void showCard(runtime::DateValue chosen);
    void signOfDate(runtime::DateValue chosen);
    void showSignPeriod(const SignPeriod& period, runtime::DateValue chosen);
    void moonOfDate(runtime::DateValue chosen);
    QString phaseText(runtime::DateValue d, runtime::Long halfAngle, double illumination) const;

    std::unique_ptr<Ui::FrmCalendar> ui;
    std::optional<runtime::DateValue> instanteCambio; // the boundary on the chosen day, UT
    QString textoEstacion;                            // the season that begins, or ""
    unsigned lecturas = 0;                            // readings done since the load
};

} // namespace readings

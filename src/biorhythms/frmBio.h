#pragma once

#include "biorhythms/DateScroll.h"
#include "runtime/DateValue.h"
#include "runtime/Numeric.h"
#include "shell/ModuleForm.h"

#include <QTimer>

#include <memory>

namespace Ui {
class frmBio;
}

class QLabel;

namespace biorhythms {

// "Biorhythms": the main person's birth date and time, a study date moved by scroll bars,
// arrows and a picker, the four cycles of that day as percentages, bars and trend arrows, their
// average, the days left to a target date, and the 30 days around the study date as a chart.
// The birth data reach their files when the user asks for alerts, opens About or Options, or
// leaves the window for another one.
class frmBio : public shell::ModuleForm {
    Q_OBJECT

public:
    static constexpr const char* kName = "frmBio";
    static constexpr int kButtonTickMs = 100;
    static constexpr int kBioTickMs = 30000;
    static constexpr int kTicksPerReanchor = 60; // 30 minutes
    static constexpr int kChartRows = 30;
    static constexpr int kStudyRow = 15; // the chart's row of the study date
    static inline const QString kHelpNotice =
        QStringLiteral("- Insert the birth date to calculate biorhythms\r\n"
                       "- In options you can change the level of alerts\r\n"
                       "- Biorhythms will update every 30 minutes");

    frmBio();
    ~frmBio() override;

    // Fills and styles the chart from the last computation and the study date.
    void mschart();

    // Handlers; tests call them directly.
    void CalcularBio();
    void vsbDayBio_Change();
    void vsbMonthBio_Change();
    void vsbYearBio_Change();
    void vsbDayBirth_Change();
    void vsbMonthBirth_Change();
    void vsbYearBirth_Change();
    void VScrollHora_Change();
    void VScrollMinuto_Change();
    void CmdArrowLeft_MouseDown(runtime::Integer Button, runtime::Integer Shift, float X, float Y);
    void CmdArrowLeft_MouseUp(runtime::Integer Button, runtime::Integer Shift, float X, float Y);
    void CmdArrowRight_MouseDown(runtime::Integer Button, runtime::Integer Shift, float X, float Y);
    void CmdArrowRight_MouseUp(runtime::Integer Button, runtime::Integer Shift, float X, float Y);
    void TimerButton_Timer();
    void TimerBio_Timer();
    void CmdAlert_Click();
    void CmdGo_Click();
    void DTPicker1_Change();
    void CmdHoy_Click();
    void XPButtonHora_Click();
    void CommandOk_Click();
    void XPButtonCompa_Click();
    void XPButtonEdit_Click();
    void XPButtonSave_Click();
    void CmdSnap_Click();
    void ComboProfiles_Click();
    void MnuAboutBio_Click();
    void MnuOpIcoBio_Click();
    void Mnubye_Click();
    void Form_Activate() override;

    QTimer* TimerButton;
    QTimer* TimerBio;
    QMenu* MnuGo;

    QString fechaFinalTxt;           // the countdown's target date, day/month/year
    runtime::Long diasRestantes = 0; // days from the study date to the target date
    bool izquierdaPulsada = false;
    bool derechaPulsada = false;
    bool pasarMes = false;
    bool pasarAnio = false;

protected:
    void Form_Load() override;
    void Form_Resize() override;
    void Form_Unload(int& cancel) override;
    bool& switchingFlag() override { return switching; }
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void styleControls();
    void connectControls();
    void readCountdown();
    void readBirthTimeControls();
    void readProfiles();
    void loadSecondProfile();
    void setBirthBars();
    void setStudyBars();
    // Writes the three birth data files; false when the window was unloaded while the user read
    // that they could not be written.
    bool GuardarBio();
    bool tellBirthDataNotSaved();
    void GuardarPerfilIni(const QString& name);
    void AjustarDiasNacimiento();
    void AjustarDiasBio();
    void showHelpNotice();
    // False when this window was unloaded while the notice slid away.
    bool closeOpenNotice();
    void showBirthTimeEditor(bool shown);
    void setDateBars(DateScroll* day, DateScroll* month, DateScroll* year, runtime::DateValue date);
    // A press of the left button on an arrow holds it; true when the event is the arrow's
    // alone.
    bool arrowMouseEvent(bool leftArrow, const QEvent* event);
    bool holdGoesOn() const;
    void endHold();
    void stepBack();
    void stepForward();
    void refuseProfile(const QString& record);
    void noteProfileBeforeChoice(const QEvent* event);
    void drawBars();
    void showTrends();
    void showCountdown(runtime::DateValue from);
    std::optional<runtime::DateValue> studyDate() const;

    std::unique_ptr<Ui::frmBio> ui;
    MonthTable nombresMes;
    MonthTable diasMes;
    bool switching = false;
    bool avisoNoGuardado = false; // the birth data could not be saved, and the user was told
    bool birthDataShown = false;  // the load has put the three files into the controls
    int profileBeforeChoice = -1; // the item of ComboProfiles shown before the user's choice
};

// "Time: 7:05": the hour as it is, the minute with two digits.
QString birthTimeCaption(int hour, int minute);

} // namespace biorhythms

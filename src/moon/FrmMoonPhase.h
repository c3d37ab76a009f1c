#pragma once

#include "forms/Form.h"
#include "runtime/DateValue.h"

#include <QTimer>

#include <memory>

namespace Ui {
class FrmMoonPhase;
}

namespace moon {

// The moon detail window: for the present instant in universal time, the illuminated fraction
// and the age of the Moon, the dates of the next four phases (or of the previous four) and a
// one-line summary of the phase. It stays above other windows, redraws every second and closes
// as soon as the pointer moves over it outside its texts.
class FrmMoonPhase : public forms::Form {
    Q_OBJECT

public:
    static constexpr const char* kName = "FrmMoonPhase";
    static constexpr int kRefreshMs = 1000;

    FrmMoonPhase();
    ~FrmMoonPhase() override;

    // Toggles between the next and the previous phases and redraws.
    void LabelDetall_Click();
    void Timer1_Timer();

    QTimer* Timer1;

protected:
    void Form_Load() override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Form_MouseMove();
    void ShowMoonInfo();
    QString phaseDatesText() const;
    QString PhaseSummary(runtime::DateValue at, double halfAngle);

    std::unique_ptr<Ui::FrmMoonPhase> ui;
    runtime::DateValue dt = 0.0; // the instant of the last redraw, universal time
    bool previousView = false;   // false: the next phases; true: the previous ones
};

} // namespace moon

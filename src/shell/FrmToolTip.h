#pragma once

#include "forms/Form.h"

#include <memory>

namespace Ui {
class FrmToolTip;
}

namespace shell {

// The "personal" tray tooltip: a small window above the tray icon with the date, the planet of
// the weekday, the four tooltip lines and today's moon. It closes as soon as the pointer moves
// over it.
class FrmToolTip : public forms::Form {
    Q_OBJECT

public:
    static constexpr const char* kName = "FrmToolTip";
    static constexpr int kTopFromBottomTwips = 2150;
    static constexpr int kTaskbarBandPercent = 95;

    FrmToolTip();
    ~FrmToolTip() override;

    QString planetaDia;

    QString dateText() const;
    QString tipText() const;

protected:
    void Form_Load() override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Form_MouseMove();
    void ShowMoonPicture();
    void fillTexts();

    std::unique_ptr<Ui::FrmToolTip> ui;
};

// The notice the tooltip shows while no birth date is set.
extern const QString kToolTipBirthNotice;

} // namespace shell

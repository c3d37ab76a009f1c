#pragma once

#include "runtime/Numeric.h"
#include "shell/ModuleForm.h"

#include <QMenuBar>

#include <array>
#include <memory>

class QLineEdit;

namespace Ui {
class FrmName;
}

namespace readings {

// "Names": the letters of two first names and two surnames, valued 1..9, add up to a major card
// (reduced by 22), shown as its picture of the chosen deck with its title as tooltip and, when
// "Save results" is on, an entry in "\logs\resNames.log". A click on the picture shows the
// card's meaning. Enter in a box moves on to the next control as Tab does.
class FrmName : public shell::ModuleForm {
    Q_OBJECT

public:
    static constexpr const char* kName = "FrmName";

    FrmName();
    ~FrmName() override;

    // The letter sum of one name into sumaNombre; a name holding a digit is refused with a
    // message and counts 0. Lower-cases `nombre` (callers pass a copy of the box's text).
    void sumaNombres(QString& nombre);

    void ARButtonAcep_Click();
    void ARButtonReset_Click();
    void ImgNombre_Click();
    // Enter (13) becomes a move to the next control in tab order and is discarded (KeyAscii 0).
    void Form_KeyPress(runtime::Integer& KeyAscii);
    void Mnucont_Click();
    void MnuShowResults_Click();
    void MnuRecResults_Click(bool checked);
    void MnuDelResults_Click();

    QMenuBar* menuBar;
    QMenu* MnuFile;
    QAction* MnuShowResults;
    QAction* MnuRecResults;
    QAction* MnuDelResults;
    QAction* MnuSalirArchivo; // "Exit" of "&File"; the tray menu's "Exit" is MnuSal
    QMenu* MnuVer;
    QMenu* MnuHelp;
    QAction* Mnucont;
    QAction* MnuAboutHelp; // "About..." of "&Help"; the tray menu's is MnuAboutIco

    // The letter sum of the last name valued. Held as a Long: a name of more than 3640 letters
    // passes the Integer range and must still count in full.
    runtime::Long sumaNombre = 0;
    // The card of the last total (1..22); 0 before the first and after a total of 0.
    runtime::Integer cartaNombres = 0;

protected:
    void loadModule() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildTrayMenu();
    void connectControls();
    void showCardBack();
    void showCard(runtime::Integer card);
    // First name, second name, first surname, second surname.
    std::array<QLineEdit*, 4> nameBoxes() const;

    std::unique_ptr<Ui::FrmName> ui;
};

} // namespace readings

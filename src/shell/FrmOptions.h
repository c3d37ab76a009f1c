#pragma once

#include "forms/Form.h"

#include <memory>

namespace Ui {
class FrmOptions;
}

namespace shell {

// The Options window. Every click on a control writes its key of the settings file at once and,
// for most keys, the shared working value, so the change takes effect without a restart. Its
// load sets the controls from the file; setting them runs their handlers, which write the
// normalised values back. "With Windows" also writes or deletes the desktop's autostart entry.
class FrmOptions : public forms::Form {
    Q_OBJECT

public:
    static constexpr const char* kName = "FrmOptions";
    // The autostart entry's name (the Run value of the original registry key).
    static inline const QString kRunValueName = QStringLiteral("Velarcana");
    static inline const QString kProgramName = QStringLiteral("/Velarcana");

    FrmOptions();
    ~FrmOptions() override;

    // Sets every control from the settings file.
    void LeerIni();

    // One writer per key of section "opciones"; true when the value was stored.
    bool GuardarIni(const QString& value);            // "Tirada"
    bool GuardarCombolist(const QString& value);      // "Módulo Inicial"
    bool GuardarCombobio(const QString& value);       // "Nivel Alertas"
    bool GuardarIniWin(const QString& value);         // "Iniciar con Windows"
    bool GuardarIniMini(const QString& value);        // "Iniciar Minimizado"
    bool GuardarTooltips(const QString& value);       // "Desactivar Tooltips"
    bool GuardarEstiloTooltips(const QString& value); // "Estilo Tooltips"
    bool GuardarNoSoundtips(const QString& value);    // "Modo Silencioso"
    bool GuardarMutecod(const QString& value);        // "Mute cod"
    bool GuardarBgSound(const QString& value);        // "Background Sound"
    bool GuardarHemisferio(const QString& value);     // "Hemisferio"
    bool GuardarTipocarta(const QString& value);      // "tipocartas"
    bool GuardarMinimizar(const QString& value);      // "Minimizar"
    // The autostart entry "Velarcana" that starts the program at log-in; true when done.
    bool WriteIniWin();
    bool EraseIniWin();

    void Combolist_Click();
    void ComboBio_Click();
    void CheckWin_Click();
    void CheckMini_Click();
    void OptReal_Click();
    void OptObj_Click();
    void CheckTooltips_Click();
    void OptionPersonal_Click();
    void OptionXP_Click();
    void CheckNoSound_Click();
    void OptionNorte_Click();
    void OptionSur_Click();
    void OptionBeauty_Click();
    void OptionClassic_Click();
    void OptionFree_Click();
    void CheckCardDayMute_Click();
    void CheckBgSound_Click();
    void OptionSystray_Click();
    void OptionToolbar_Click();
    void ARButtonAcep_Click();

protected:
    void Form_Load() override;

private:
    void styleControls();
    void connectHandlers();
    static bool startsWithTheDesktop();
    void showIniWin();

    std::unique_ptr<Ui::FrmOptions> ui;
};

} // namespace shell

#pragma once

#include "forms/Form.h"
#include "runtime/Numeric.h"

#include <memory>
#include <optional>

namespace Ui {
class FormMod;
}

namespace biorhythms {

// "Modify record": the profile chosen in the profile list with its name, birth date and birth
// time; Submit puts the changed profile at the end of the file in place of the old line.
class FormMod : public forms::Form {
    Q_OBJECT

public:
    static constexpr const char* kName = "FormMod";

    FormMod();
    ~FormMod() override;

    void CmdAcept_Click();
    void CmdCancel_Click();
    void VScrollHora_Change();
    void VScrollMinuto_Change();

    QString lineaSeleccionada;
    runtime::Integer indiceSeleccionado = -1;

protected:
    void Form_Load() override;
    void Form_Unload(int& cancel) override;

private:
    bool stageOtherProfiles();
    void showProfile();
    QString editedRecord() const;
    std::optional<QString> editFault() const;
    bool writeEdit();

    std::unique_ptr<Ui::FormMod> ui;
    QString rutaTemporal; // the temporary file holding the other profiles until Submit
    QString mesMod;
    QString diaMod;
    QString anioMod;
};

} // namespace biorhythms

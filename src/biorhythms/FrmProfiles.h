#pragma once

#include "forms/Form.h"
#include "runtime/Numeric.h"

#include <memory>

namespace Ui {
class FrmProfiles;
}

namespace biorhythms {

// "Profiles created ": every line of the profiles file; deletes the chosen one or opens it in
// the editor, and on Exit refills the Biorhythms window's profile list. While it is open no tray
// icon is added.
class FrmProfiles : public forms::Form {
    Q_OBJECT

public:
    static constexpr const char* kName = "FrmProfiles";

    FrmProfiles();
    ~FrmProfiles() override;

    // Every non-empty line of the file, whole, in file order.
    void ListaPerfiles();

    void CmdBorrar_Click();
    void CmdMod_Click();
    void CmdExit_Click();

    // The list's selection as the last handler took it.
    QString lineaSeleccionada;
    runtime::Integer indiceSeleccionado = -1;

    // Takes the list's selection into the two values above; false when nothing is selected.
    bool takeSelection();

protected:
    void Form_Load() override;
    void Form_Unload(int& cancel) override;

private:
    void deleteSelectedLine();
    void refillBioProfiles();

    std::unique_ptr<Ui::FrmProfiles> ui;
};

} // namespace biorhythms

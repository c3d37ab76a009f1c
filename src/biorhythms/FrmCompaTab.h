#pragma once

#include "forms/Form.h"
#include "runtime/Numeric.h"

#include <QString>

#include <array>
#include <memory>
#include <optional>

namespace Ui {
class FrmCompaTab;
}

class QLabel;
class QListWidgetItem;

namespace biorhythms {

using Percentages = std::array<runtime::Single, 4>; // physical, emotional, intellectual, intuition

// A cycle value -1..1 as a percentage 0..100.
runtime::Single cyclePercentage(double value);
// The mean of two persons' percentages in each cycle, to two decimals.
Percentages complementarity(const Percentages& main, const Percentages& second);
// The affinity of two persons whose birth dates lie that many days apart: 100 in a cycle whose
// period divides the distance, 0 at half a period.
Percentages affinity(long long daysApart);
// The word of a mean percentage; nothing outside 0..100.
std::optional<QString> affinityWord(runtime::Single mean);

// The second profile's lived days at the Biorhythms window's study date and the clock's time
// of day, into diasVividos2 (and fechaEstudio2, fechaNac2, diasVida2, minutosNacRest2,
// diasBase2). A birth or study date that is not a date leaves the day count as it was.
void calcDiasVividos2();

// Reads the second profile's birth from the last readable line of that name into the shared
// second-profile values and marks them read; false, leaving them as they were, when no line of
// that name reads.
bool readSecondProfile(const QString& name);

// "Compatibilities": the main profile of the Biorhythms window against a second saved profile,
// as the complementarity of their cycles on the study day ("Actual") and the lifelong affinity
// of their birth dates ("General"), and whether the chart draws the second profile too.
class FrmCompaTab : public forms::Form {
    Q_OBJECT

public:
    static constexpr const char* kName = "FrmCompaTab";
    static constexpr int kTabActual = 0;
    static constexpr int kTabGeneral = 1;
    static constexpr int kTabExit = 2;

    FrmCompaTab();
    ~FrmCompaTab() override;

    void CheckPlot_Click();
    void ListProfiles_Click();
    void SSTab1_Click(int previousTab);
    // nivelCompa from mediaCompa.
    void Niveles();

    Percentages valorPrincipal{};
    Percentages valorSecundario{};
    Percentages valorConjunto{};
    Percentages valorAfinidad{};
    runtime::Single mediaCompa = 0.0F;
    QString nivelCompa;

protected:
    void Form_Load() override;
    void Form_Unload(int& cancel) override;

private:
    void styleControls();
    void placeOverBiorhythms();
    void CalcularComplementariedad();
    void ValoresSecundario();
    void CalcularAfinidad();
    static void GuardarDibujarSecundario(const QString& value);
    static void GuardarNombreSecundario(const QString& value);
    void showValues(bool shown);
    void showMean();
    void showSecondName(bool shown, const QString& name);
    void redrawChart();
    void tabChanged(int tab);
    QString mainName() const;
    QListWidgetItem* chosenItem() const;
    QString chosenName() const;
    QString secondName() const;

    std::unique_ptr<Ui::FrmCompaTab> ui;
    int currentTab = kTabActual;
};

} // namespace biorhythms

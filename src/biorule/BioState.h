#pragma once

#include "runtime/Numeric.h"

#include <QString>

namespace biorhythms {

// The shared values of the biorhythms, one instance for the whole program.
struct BioState {
    // Birth data of the main person (bio.dat, horabio.dat) and the countdown date (biofinal.dat).
    // 1, 1, 1900 is the birth date not set; 0, 0, 0 the countdown at today.
    int diaNac = 1;
    int mesNac = 1;
    int anioNac = 1900;
    int horaNac = 0;
    int minutoNac = 0;
    int diaFinal = 0;
    int mesFinal = 0;
    int anioFinal = 0;

    // The last biorhythm computation, by whichever window, tooltip line or alert check ran last.
    QString fechaNacTxt;     // birth date, day/month/year
    QString fechaEstudioTxt; // study date, day/month/year
    runtime::Long diasVida = 0;
    runtime::Integer minutosNacRest = 0;
    runtime::Single diasBase = 0.0F;
    runtime::Single diasVividos = 0.0F; // t, the lived days
    // The four cycle values at t (-1..1) and one hour later.
    runtime::Single bioFisico = 0.0F;
    runtime::Single bioEmocional = 0.0F;
    runtime::Single bioIntelectual = 0.0F;
    runtime::Single bioIntuicion = 0.0F;
    runtime::Single bioFisicoProx = 0.0F;
    runtime::Single bioEmocionalProx = 0.0F;
    runtime::Single bioIntelectualProx = 0.0F;
    runtime::Single bioIntuicionProx = 0.0F;
    QString bioMedia;            // the average x 100, "0.00"
    QString bioMediaTexto;       // its day-quality words
    bool fechaBioFijada = false; // the study date is pinned; while false it follows today

    // The Biorhythms window.
    bool dibujarSecundario =
        false;                // "Dibujar secundario" is "1": the chart draws the second profile
    int contadorTimerBio = 0; // 30-second ticks since the study date last followed today
    bool avisoNacMostrado = false;   // the birth-date help notice was shown in this stay
    runtime::Integer origenSnap = 0; // where the snapshot comes from, 0 the window's chart

    // The second profile drawn in the chart: its birth month name, day and year texts, its birth
    // date (day/month/year) and time of day, and its lived days at the window's study date.
    QString mesPerfil;
    QString diaPerfil;
    QString anioPerfil;
    QString mesNumero;
    QString fechaNac2;
    double horaNac2 = 0.0;
    bool perfilSecundarioLeido = false; // the birth above comes from a record that reads
    runtime::Single diasVividos2 = 0.0F;
    // The second profile's day count at the study date (as diasVida, minutosNacRest, diasBase).
    QString fechaEstudio2; // study date, day/month/year
    runtime::Long diasVida2 = 0;
    runtime::Integer minutosNacRest2 = 0;
    runtime::Single diasBase2 = 0.0F;
    runtime::Integer indiceSecundario = 0; // the compatibility list's index of the second profile

    bool birthDateSet() const { return !(diaNac == 1 && mesNac == 1 && anioNac == 1900); }
};

BioState& bioState();
// Back to the values at program start (tests).
void resetBioState();

} // namespace biorhythms

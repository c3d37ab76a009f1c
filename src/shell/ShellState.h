#pragma once

#include "runtime/DateValue.h"

#include <QString>

#include <array>

namespace shell {

// The shared values of the application shell, one instance for the whole program.
struct ShellState {
    // Raw texts last read by the one-key settings readers ("" when missing).
    QString moduloInicialIni;
    QString iniciarMinimizado;
    QString minimizarIni;
    QString tipoCartasIni;
    QString nivelAlertasIni;
    QString desactivarTooltips;
    QString modoSilencioso;
    QString muteCod;
    QString estiloTooltipsIni;
    QString hemisferioIni;
    QString bgSound;
    QString perfilBio;
    QString dibujarSecundarioIni;
    QString nombreSecundario;
    // Set together by every generic read; callers read the one named after their key.
    QString iniSoundAmbient;
    QString iniLogResOracle;
    QString iniSongAmbient;
    QString iniLogResNumbers;
    QString iniLogResNames;

    // Working codes of the settings.
    QString nivelAlertas;   // "zero", "solo", "bas1".."bas3", "med1".."med3", "maxi"
    QString modoMinimizar;  // "systray" or "toolbar"
    QString tipoCarta;      // "marsellaone", "marsellaclass", "oldones" ("" until read)
    QString estiloTooltips; // "personal" or "windows xp"
    QString hemisferioSel;  // "Norte" or "Sur"

    // "Tirada" at "real": the Oracle may turn its cards round.
    bool tiradaReal = false;

    // Major arcana: entry k - 1 holds the title of card k once tituloCarta has run for it.
    std::array<QString, 22> TitulosCartas;
    int numCarta = 0; // the current card, 1..22 (the Oracle also puts minor cards 1..14 here)
    // Sign names, index 0 (Aries) .. 11 (Pisces), filled before each use.
    std::array<QString, 12> signosEs;
    std::array<QString, 12> signosEn;

    // Tray flags.
    bool cargandoForm = false; // a main window is loading: no hover tooltip
    bool clickCarta = false;   // a card meaning is open: no tooltip
    bool tooltipCerrado =
        false; // a tip was given or the icon clicked: none until the pointer leaves
    bool perfilesAbierto = false; // a profile window is open: adding a tray icon does nothing
    bool tooltipVisible = false;  // the tooltip window is open
    bool barraAbajo = false;      // the taskbar is at the bottom edge
    long posicionBarra = 0;       // taskbar edge: 0 left, 1 top, 2 right, 3 bottom

    // Notification.
    QString textoNotif;
    bool notifVisible = false;

    // Exiting and switching.
    bool saliendo = false;
    bool cambioModulo = false;
    bool recargaCartaDia = false;
    // Minutes since the Card of the Day window last drew its biorhythm bar; kept across its
    // reloads.
    int ticksBioCartaDia = 0;

    // Background window: uptime start, alert checks.
    runtime::DateValue horaInicio = 0.0;
    int ticksBio = 0;
    bool alertaDesdeBio = false;
    QString ultimaAlerta;
    QString textoCritico;
    QString textoCruce;

    // Tray tooltip lines.
    QString lineaCartaDia;
    QString lineaSigno;
    QString lineaBio;
    QString lineaLuna;
};

ShellState& shellState();
// Back to the values at program start (tests).
void resetShellState();

} // namespace shell

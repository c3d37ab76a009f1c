#pragma once

#include <QString>

#include <optional>

namespace shell {

// Stores the title of card numCarta (1..22) in TitulosCartas(numCarta - 1); other numbers store
// nothing.
void tituloCarta();
// Fill signosEs (Spanish file-name stems) and signosEn (English names), Aries first.
void cargarSignosEs();
void cargarSignosEn();

// The title of major card 1..22 ("I. The Magician" .. "XXII. The World"), "" otherwise.
QString cardTitle(int card);

// The day-quality band of a biorhythm average v (-100..100); nothing outside every band.
std::optional<QString> dayQualityBand(double v);

// Sets bioMedia (the average of the four cycle values x 100, "0.00") and bioMediaTexto (the band
// of that two-decimal value; kept as it was outside every band).
void calidadBio();

// Plays a WAV file of the program folder without waiting; the name becomes the full path.
void tocarSonido(QString& fileName);

} // namespace shell

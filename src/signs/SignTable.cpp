#include "signs/SignTable.h"

namespace readings {

// clang-format off
const std::array<SignTableRow, 13> TablaSignos = {{
    { 1, 20,  9, "Capricorn",   "Capricornio_sm.gif", "December 22/January 19"},
    { 2, 19, 10, "Aquarius",    "Acuario_sm.gif",     "January 20/February 18"},
    { 3, 21, 11, "Pisces",      "Piscis_sm.gif",      "February 19/March 20"},
    { 4, 20,  0, "Aries",       "Aries_sm.gif",       "March 21/April 19"},
    { 5, 21,  1, "Taurus",      "Tauro_sm.gif",       "April 20/May 20"},
    { 6, 22,  2, "Gemini",      "Geminis_sm.gif",     "May 21/June 21"},
    { 7, 23,  3, "Cancer",      "Cancer_sm.gif",      "June 22/July 22"},
    { 8, 23,  4, "Leo",         "Leo_sm.gif",         "July 23/August 22"},
    { 9, 23,  5, "Virgo",       "Virgo_sm.gif",       "August 23/September 22"},
    {10, 23,  6, "Libra",       "Libra_sm.gif",       "September 23/October 22"},
    {11, 22,  7, "Scorpio",     "Escorpio_sm.gif",    "October 23/November 21"},
    {12, 22,  8, "Sagittarius", "Sagitario_sm.gif",   "November 22/December 21"},
    { 0,  0,  9, "Capricorn",   "Capricornio_sm.gif", "December 22/January 19"},
}};
// clang-format on

const SignTableRow& signOfTable(runtime::DateValue d) {
    const int year = runtime::yearOf(d);
    const double at = runtime::toLinearDays(d);
    for (std::size_t i = 0; i + 1 < TablaSignos.size(); ++i) {
        const SignTableRow& row = TablaSignos[i];
        if (runtime::makeDate(year, row.month, row.day) > at) {
            return row;
        }
    }
    return TablaSignos.back();
}

} // namespace readings

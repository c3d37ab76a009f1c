#pragma once

namespace testing_support {

// The titles of the 22 major cards as the program shows them, card 1 first.
inline const char* const kCardTitles[] = {
    "I. The Magician",   "II. The High Priestess", "III. The Empress", "IV. The Emperor",
    "V. The Hierophant", "VI. The Lovers",         "VII. The Chariot", "VIII. Justice",
    "IX. The Hermit",    "X. Wheel of Fortune",    "XI. Strength",     "XII. The Hanged Man",
    "XIII. Death",       "XIV. Temperance",        "XV. The Devil",    "XVI. The Tower",
    "XVII. The Star",    "XVIII. The Moon",        "XIX. The Sun",     "XX. Judgment",
    "XXI. The Fool",     "XXII. The World"};

} // namespace testing_support

#include "MajorArcana.h"

#include "Emblems.h"

namespace cards {

namespace {

struct Entry {
    int number;
    const char* file;
    const char* numeral;
    const char* title;
    const char* hebrew;
    const char* astro;
    Scene scene;
    void (*emblem)(Art&);
};

// Correspondences after the usual esoteric attribution: a Hebrew letter and a planet, sign or
// element for each card.
const Entry kEntries[] = {
    {1, "mago1.jpg", "I", "THE MAGICIAN", "\u05D1", "\u263F", Scene::Day, emblems::magician},
    {2, "sacerdotisa2.jpg", "II", "THE HIGH PRIESTESS", "\u05D2", "\u263D", Scene::Night,
     emblems::highPriestess},
    {3, "emperatriz3.jpg", "III", "THE EMPRESS", "\u05D3", "\u2640", Scene::Day, emblems::empress},
    {4, "emperador4.jpg", "IV", "THE EMPEROR", "\u05D4", "\u2648", Scene::Day, emblems::emperor},
    {5, "sacerdote5.jpg", "V", "THE HIEROPHANT", "\u05D5", "\u2649", Scene::Plain,
     emblems::hierophant},
    {6, "amantes6.jpg", "VI", "THE LOVERS", "\u05D6", "\u264A", Scene::Day, emblems::lovers},
    {7, "carro7.jpg", "VII", "THE CHARIOT", "\u05D7", "\u264B", Scene::Day, emblems::chariot},
    {8, "justicia8.jpg", "VIII", "JUSTICE", "\u05DC", "\u264E", Scene::Plain, emblems::justice},
    {9, "ermita\u00F1o9.jpg", "IX", "THE HERMIT", "\u05D9", "\u264D", Scene::Night,
     emblems::hermit},
    {10, "fortuna10.jpg", "X", "WHEEL OF FORTUNE", "\u05DB", "\u2643", Scene::Day, emblems::wheel},
    {11, "fuerza11.jpg", "XI", "STRENGTH", "\u05D8", "\u264C", Scene::Day, emblems::strength},
    {12, "colgado12.jpg", "XII", "THE HANGED MAN", "\u05DE", "\U0001F704", Scene::Field,
     emblems::hangedMan},
    {13, "muerte13.jpg", "XIII", "DEATH", "\u05E0", "\u264F", Scene::Day, emblems::death},
    {14, "templanza14.jpg", "XIV", "TEMPERANCE", "\u05E1", "\u2650", Scene::Day,
     emblems::temperance},
    {15, "diablo15.jpg", "XV", "THE DEVIL", "\u05E2", "\u2651", Scene::Night, emblems::devil},
    {16, "torre16.jpg", "XVI", "THE TOWER", "\u05E4", "\u2642", Scene::Night, emblems::tower},
    {17, "estrella17.jpg", "XVII", "THE STAR", "\u05E6", "\u2652", Scene::Night, emblems::star},
    {18, "luna18.jpg", "XVIII", "THE MOON", "\u05E7", "\u2653", Scene::Night, emblems::moon},
    {19, "sol19.jpg", "XIX", "THE SUN", "\u05E8", "\u2609", Scene::Day, emblems::sun},
    {20, "juicio20.jpg", "XX", "JUDGMENT", "\u05E9", "\U0001F702", Scene::Day, emblems::judgment},
    {21, "loco21.jpg", "", "THE FOOL", "\u05D0", "\U0001F701", Scene::Day, emblems::fool},
    {22, "mundo22.jpg", "XXII", "THE WORLD", "\u05EA", "\u2644", Scene::Plain, emblems::world},
};

} // namespace

const std::vector<MajorCard>& majorArcana() {
    static const std::vector<MajorCard> cards = [] {
        std::vector<MajorCard> list;
        for (const Entry& e : kEntries) {
            CardFace face{QString::fromUtf8(e.numeral), QString::fromUtf8(e.title),
                          QString::fromUtf8(e.hebrew), QString::fromUtf8(e.astro), e.scene};
            list.push_back({e.number, QString::fromUtf8(e.file), face, e.emblem});
        }
        return list;
    }();
    return cards;
}

} // namespace cards

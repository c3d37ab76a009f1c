#include "readings/CardMeanings.h"

#include <array>

namespace readings {

namespace {

constexpr std::size_t kMaxPieces = 5;

struct MeaningEntry {
    const char* title;
    std::array<const char*, kMaxPieces> pieces; // unused pieces are null
};

// The 22 meanings, card 1 first. Each piece after the first starts with a blank, so that the
// joined text reads as one paragraph.
constexpr std::array<MeaningEntry, kMajorCards> kMeanings = {{
    {"I. The Magician",
     {"The Magician is the first step of the journey, the spark of will that turns an idea into a "
      "deed. Before him lie the tools of the four suits, the wand of fire, the cup of water, the "
      "sword of air and the coin of earth, and his raised hand joins heaven to the ground he "
      "points at.",
      " The sign of infinity over his head tells that his power is not borrowed: it comes from a "
      "mind that knows what it wants. In a reading the card announces a beginning made with skill "
      "and confidence, a moment when talent, opportunity and intention meet.",
      " It asks you to act rather than wait, to use what you already have and to speak with "
      "clarity. Near difficult cards it warns of cleverness without honesty. Its planet is "
      "Mercury, messenger of the gods and patron of craft, words and trade.",
      " In questions of work it favours new ventures and skilful negotiation; in love, a confident "
      "first step."}},
    {"II. The High Priestess",
     {"The High Priestess keeps the threshold of the temple, seated between the dark pillar of "
      "severity and the light pillar of mercy. On her knees rests the book of hidden law, half "
      "closed, and behind her hangs a veil embroidered with fruit, the promise of what will be "
      "revealed in time.",
      " She is the wisdom that comes through silence, dreams and intuition, the knowledge that "
      "cannot be hurried. In a reading she advises patience, study and discretion: the answer "
      "exists, but it has not yet come to the surface, and forcing it would only spoil it.",
      " She may also stand for a wise woman, a teacher or a secret that is better kept. The "
      "crescent at her feet links her to the Moon, ruler of tides, memory and the inner life, and "
      "to the path that joins the crown of the Tree of Life to its heart.",
      " In love she counsels reserve and deep trust; in work, quiet study before any move."}},
    {"III. The Empress",
     {"The Empress is nature in its fullness, the fertile ground where every seed becomes a "
      "harvest. She sits crowned with twelve stars, the months of the year, among ripe wheat and "
      "running water, and her shield bears the sign of Venus, the planet of love, beauty and "
      "harmony.",
      " Everything she touches grows: ideas, gardens, friendships, children, works of art. In a "
      "reading she brings abundance, comfort and creative joy, a time to enjoy the senses and to "
      "care for what you love.",
      " She speaks of motherhood in every form, of a home that welcomes and of projects that ripen "
      "at their own pace. Beside hard cards she warns against smothering care or idle luxury. Her "
      "path on the Tree of Life joins wisdom to understanding: the union from which all form is "
      "born.",
      " In work she favours creative projects and good returns; in love, warmth, tenderness and a "
      "happy home."}},
    {"IV. The Emperor",
     {"The Emperor gives form to the abundance of the Empress. He sits on a throne of stone "
      "decorated with the heads of rams, holding the orb of the world and a sceptre crowned with "
      "the sign of life, and behind him stand bare mountains that no wind can move.",
      " He is law, order, protection and the strength of the father who builds walls so that "
      "others may live in safety. In a reading he calls for structure and discipline: make plans, "
      "set limits, take responsibility and lead by example.",
      " He may stand for an employer, a government, a father or your own capacity to command. Near "
      "difficult cards he warns of rigidity and tyranny. His sign is Aries, the ram that opens the "
      "zodiac with the fire of spring, and his path joins wisdom to beauty on the Tree of Life.",
      " In work it favours management, firm agreements and lasting foundations; in love, loyalty "
      "and protection."}},
    {"V. The Hierophant",
     {"The Hierophant is the bridge between heaven and earth, the teacher who hands down what the "
      "ages have learned. Crowned with the triple tiara and holding a staff with three crossbars, "
      "he raises his hand in blessing over two disciples, and the crossed keys at his feet open "
      "the doors of knowledge.",
      " He stands for tradition, religion, education and the rules of a community. In a reading he "
      "advises you to seek counsel from someone wiser, to respect customs that have proved their "
      "worth and to honour your commitments, marriage among them.",
      " He may also be a mentor, a school or a church. Beside hard cards he warns of dogma and of "
      "conformity without conviction. His sign is Taurus, the steady bull of earth ruled by Venus, "
      "and his path leads from wisdom to mercy.",
      " In work it favours teaching, institutions and good advice; in love, a blessed union or a "
      "promise kept."}},
    {"VI. The Lovers",
     {"The Lovers show a meeting at a crossroads. Under a radiant sun a winged figure draws its "
      "bow, and the arrow will decide whom the heart chooses. The young people below stand between "
      "two ways, one easy and one true, and the card is as much about choice as about love.",
      " In a reading it brings affection, attraction, friendship and harmony between partners, but "
      "also an important decision in which feelings and values must agree. Choose with the whole "
      "heart and you will not regret it.",
      " Near difficult cards it speaks of doubt, temptation or a divided loyalty. Its sign is "
      "Gemini, the twins of air ruled by Mercury, who show that every union is made of two "
      "different beings who learn to speak to each other.",
      " Whatever the question, it asks which path your heart truly prefers, and it promises that a "
      "choice made in love will bear good fruit for a long time."}},
    {"VII. The Chariot",
     {"The Chariot is the triumph of will over the forces that would pull us apart. A young king "
      "in armour rides under a canopy of stars, and the two creatures that draw him, one light and "
      "one dark, would run in opposite directions if his mind did not hold them together.",
      " He carries no reins: he steers by concentration and confidence. In a reading the card "
      "brings victory, progress, travel and success earned through effort. It asks you to keep "
      "your goal in sight, to master your conflicting impulses and to move forward with "
      "determination.",
      " Beside difficult cards it warns of a loss of control, of haste or of an ambition that runs "
      "ahead of reason. Its sign is Cancer, the crab that carries its shelter wherever it goes, "
      "ruled by the Moon, and its path joins understanding to strength.",
      " In work it favours promotion, competition and travel; in love, a bold approach."}},
    {"VIII. Justice",
     {"Justice sits between two pillars, crowned and calm, holding a raised sword in her right "
      "hand and balanced scales in her left. The sword cuts away falsehood; the scales weigh each "
      "action against its consequences. She is not blind: she sees clearly and judges without "
      "passion.",
      " In a reading she brings fairness, truth, legal matters, contracts and decisions made with "
      "a cool head. What is due will be given, for good or ill, and the card asks you to act "
      "honestly and to accept responsibility for your choices.",
      " Near difficult cards she warns of injustice, bias or a judgement that goes against you. "
      "Her sign is Libra, the scales of air ruled by Venus, which seek balance between opposites, "
      "and on the Tree of Life her path joins severity to beauty.",
      " In work it favours fair contracts, lawsuits won in good faith and clear accounts; in love, "
      "an honest relationship between equals."}},
    {"IX. The Hermit",
     {"The Hermit walks alone at night on the high path, wrapped in a grey cloak and leaning on a "
      "staff. In his raised lantern burns a six-pointed star: the light of experience, enough to "
      "show the next step but never the whole road. He has left the noise of the world to find "
      "what is essential.",
      " In a reading he asks for reflection, prudence and patience. Take time apart, study, listen "
      "to your conscience, and the answer will come. He may also be a wise guide, a doctor or a "
      "teacher who shows the way by example rather than by words.",
      " Beside difficult cards he warns of isolation, mistrust or stubborn refusal of help. His "
      "sign is Virgo, the maiden of earth ruled by Mercury, who sorts the harvest grain by grain, "
      "and his path joins mercy to beauty on the Tree of Life.",
      " In work it favours research and careful preparation; in love, a slow and sincere bond."}},
    {"X. Wheel of Fortune",
     {"The Wheel of Fortune turns in the clouds and carries every creature with it. What rises on "
      "one side falls on the other, and only the centre stays still. In the corners the angel, the "
      "eagle, the lion and the bull, the four fixed signs of the zodiac, read calmly in their "
      "books while the world changes around them.",
      " In a reading the card announces a turning point: luck, destiny, a change that comes from "
      "outside, a new cycle beginning. It asks you to accept the movement of life, to seize the "
      "opportunity that passes and to remember that no situation lasts forever.",
      " Near difficult cards it may bring a reversal of fortune or a lesson repeated until it is "
      "learned. Its planet is Jupiter, the great benefic of growth and good luck, and its path "
      "joins victory to mercy.",
      " In work it brings an unexpected opening; in love, a meeting that seems arranged by fate."}},
    {"XI. Strength",
     {"Strength shows a woman who closes the jaws of a lion with her bare hands, without effort "
      "and without fear. Over her head the brim of her hat draws the sign of infinity, the same as "
      "the Magician's, for she too has learned to master energy, but through gentleness rather "
      "than command.",
      " The lion is passion, anger and instinct, and she does not kill it: she tames it with "
      "patience and love. In a reading the card brings courage, self-control, health and the quiet "
      "confidence that overcomes obstacles without violence.",
      " It asks you to be firm and kind at the same time. Beside difficult cards it warns of "
      "weakness, impatience or passions that escape control. Its sign is Leo, the lion of fire "
      "ruled by the Sun, and its path joins mercy to severity on the Tree of Life.",
      " In work it favours perseverance and calm authority; in love, patience and tenderness that "
      "win a wild heart."}},
    {"XII. The Hanged Man",
     {"The Hanged Man hangs head down from a beam between two trees, tied by one foot, his other "
      "leg crossed behind it and his hands hidden at his back. His face is calm and a light shines "
      "around his head: this is not a punishment but a voluntary pause, a way of seeing the world "
      "upside down.",
      " In a reading the card suspends action. It speaks of waiting, surrender, sacrifice and a "
      "new point of view that can only be reached by letting go. What seems lost time may be the "
      "time in which understanding ripens.",
      " Beside difficult cards it warns of useless sacrifice, indecision or a victim's role kept "
      "too long. Its element is Water, which dissolves and reflects, and its path on the Tree of "
      "Life joins severity to splendour.",
      " In work it advises waiting for the right moment before any decision; in love, generosity "
      "without calculation and the humility to see the other side."}},
    {"XIII. Death",
     {"Death is the thirteenth card, and old decks often leave it without a name. A skeleton mows "
      "a dark field with his scythe, and the heads and hands that fall are already sprouting again "
      "like seeds; behind him the sun rises between two towers. Nothing in nature ends without "
      "something else beginning.",
      " In a reading the card seldom means a physical death. It announces the end of a stage, a "
      "clean break, a deep transformation: a job that finishes, a relationship that changes, an "
      "old self that is left behind.",
      " It asks you to let go of what is over, so that the new can grow. Near difficult cards it "
      "shows a painful loss or a stubborn resistance to change. Its sign is Scorpio, the water "
      "sign of death and rebirth, and its path joins beauty to victory.",
      " In work it may close one door and open another; in love, it renews a bond or ends one that "
      "was already dead."}},
    {"XIV. Temperance",
     {"Temperance is an angel with great wings who pours water from one cup into another, and the "
      "stream flows as if it knew its way. One foot rests on the land and one in the pool, for the "
      "angel joins the visible and the invisible, and on its brow shines the sign of the sun.",
      " The card is the art of mixing: of joining opposites in the right measure until they become "
      "something new. In a reading it brings balance, moderation, healing, reconciliation and "
      "patience. Things come together slowly and well.",
      " It asks you to avoid extremes and to find the middle way. Beside difficult cards it warns "
      "of excess, haste or discord. Its sign is Sagittarius, the archer of fire ruled by Jupiter, "
      "who aims at the far goal, and its path joins beauty to foundation on the Tree of Life.",
      " In work it favours cooperation and steady effort; in love, understanding and gentle "
      "reconciliation."}},
    {"XV. The Devil",
     {"The Devil stands on a pedestal with horns, bat wings and a lifted torch, and two small "
      "figures are chained at his feet. Yet the collars around their necks are loose: they could "
      "free themselves if they wished. The card shows the bonds that we accept because they "
      "promise pleasure, power or safety.",
      " In a reading it speaks of temptation, desire, money, sexuality, dependence and fear. It is "
      "also the raw energy of instinct, which is not evil in itself but becomes a prison when it "
      "rules us.",
      " The card asks you to look honestly at what holds you and to remember that the chain can be "
      "lifted. Near favourable cards it may bring passion and material success. Its sign is "
      "Capricorn, the goat of earth ruled by Saturn, and its path joins beauty to splendour.",
      " In work it may bring gain at a price, so read every contract; in love, strong desire that "
      "must not become possession."}},
    {"XVI. The Tower",
     {"The Tower is struck by lightning from heaven: its crown is thrown off, its stones fly and "
      "flames burst from its windows. It was built too high, on pride or on false foundations, and "
      "what is not true cannot stand. Old decks call it the House of God, for the bolt is a "
      "revelation as much as a disaster.",
      " In a reading the card brings a sudden change, a shock, a collapse of plans or certainties, "
      "a truth that breaks out into the open. It is rarely pleasant, but it clears the ground for "
      "building again on firmer rock.",
      " It asks you not to cling to what is falling. Beside gentle cards the upheaval is smaller, "
      "a quarrel or an unexpected piece of news. Its planet is Mars, the warrior who destroys in "
      "order to free, and its path joins victory to splendour on the Tree of Life.",
      " In work it may bring a sudden change of post or plan; in love, a crisis that reveals the "
      "truth."}},
    {"XVII. The Star",
     {"After the storm of the Tower comes the calm of the Star. A great star shines among seven "
      "smaller ones, and a kneeling figure, without clothes or fear, pours water from two jugs, "
      "one into a pool and one onto the earth. A bird sings in a tree, and the whole scene "
      "breathes peace.",
      " The card is hope, inspiration and the grace that renews. In a reading it brings healing "
      "after hardship, faith in the future, artistic gifts and the fulfilment of wishes that are "
      "in harmony with your nature.",
      " It asks you to trust, to be generous with what you have received and to follow your "
      "ideals. Near difficult cards it speaks of discouragement or of dreams that lack action. Its "
      "sign is Aquarius, the water bearer of air, and its path joins victory to foundation.",
      " In work it favours art, hope and new horizons; in love, a gentle and sincere feeling that "
      "grows, and wishes that may at last come true."}},
    {"XVIII. The Moon",
     {"The Moon shines over a strange landscape. Between two towers a path winds towards the "
      "hills, a dog and a wolf howl at the sky, and from a dark pool a crayfish climbs onto the "
      "land. Drops fall from the moon like dew, and in its pale light every shape seems larger and "
      "less certain.",
      " The card is the world of dreams, imagination, memory and the unconscious, but also of "
      "fear, illusion and deception. In a reading it asks you to trust your intuition while "
      "checking the facts, and to move carefully on an unclear road.",
      " It may point to a secret, a lie, a worry or a creative vision that has not yet found its "
      "form. Beside bright cards the fog begins to lift. Its sign is Pisces, the fishes of water "
      "ruled by Jupiter, and its path joins victory to the kingdom.",
      " In work it advises caution with promises and papers; in love, it speaks of longing, "
      "jealousy or dreams."}},
    {"XIX. The Sun",
     {"The Sun rises in full glory, its rays falling on two children who hold hands in front of a "
      "low wall. The wall protects a small garden where everything is simple, warm and visible. "
      "After the uncertainty of the Moon comes the clear light of day, in which nothing needs to "
      "hide.",
      " The card is one of the happiest of the tarot. In a reading it brings joy, success, health, "
      "friendship, love returned, good news and the confidence that comes from being yourself. "
      "Problems are solved and efforts are rewarded.",
      " It asks you to share your light and to enjoy life with the openness of a child. Even "
      "beside difficult cards it softens their meaning, promising that the clouds will pass. Its "
      "star is the Sun itself, giver of life, and its path joins splendour to foundation on the "
      "Tree of Life.",
      " In work it brings recognition; in love, warmth, marriage or a happy reunion."}},
    {"XX. Judgment",
     {"Judgment shows an angel among the clouds sounding a trumpet from which hangs a banner with "
      "a red cross. Below, the dead rise from their tombs with open arms, a man, a woman and a "
      "child, answering the call. It is the great awakening, when the past is weighed and the soul "
      "is born again.",
      " In a reading the card brings renewal, a decision that settles old matters, a second "
      "chance, forgiveness, or a vocation heard at last. What was buried comes back to life, and "
      "you may see your path with new eyes.",
      " It asks you to review your life honestly and to answer the call without fear. Near "
      "difficult cards it warns of regret, self-judgement or a refusal to change. Its element is "
      "Fire, which purifies, and its path joins splendour to the kingdom.",
      " In work it brings news, a call or a well deserved result; in love, a reunion or a bond "
      "renewed on a truer footing."}},
    {"XXI. The Fool",
     {"The Fool walks along the road in a motley coat with bells, his bundle on a stick over his "
      "shoulder and a little dog tugging at his leg. He looks at the sky and not at his feet. Old "
      "decks give him no number: he belongs to no place in the series, and he can stand at its "
      "beginning or at its end.",
      " He is pure spontaneity, the freedom of the one who owns nothing and fears nothing. In a "
      "reading he brings a new adventure, a journey, an impulse to follow, trust in life and the "
      "courage to leap into the unknown.",
      " He also warns of carelessness, folly and the risk of a fall. The dog is common sense, "
      "which follows him still. His element is Air, free and without form, and on the Tree of Life "
      "his path is the first of all, joining the crown to wisdom.",
      " In work it favours a daring change of course; in love, a free spirit and a bond without "
      "chains, if both travellers keep their eyes open."}},
    {"XXII. The World",
     {"The World closes the great journey. Inside an oval wreath of laurel a figure dances, light "
      "and free, holding a wand in her hand, and around her the four living creatures, the angel, "
      "the eagle, the lion and the bull, keep the corners of the universe. Everything is in its "
      "place and in movement at once.",
      " In a reading the card brings completion, success, fulfilment and harmony between you and "
      "the world around you. A goal is reached, a cycle closes in the best way, and travel, "
      "recognition or a happy union may follow.",
      " It asks you to celebrate what you have achieved and to prepare for the next cycle, for "
      "every ending of the journey is a new beginning. Near difficult cards it shows something not "
      "yet finished. Its planet is Saturn, lord of time and completion, and its path joins "
      "foundation to the kingdom.",
      " In work it crowns a long effort; in love, a complete and lasting union."}},
}};

} // namespace

std::optional<CardMeaning> cardMeaning(runtime::Integer numCarta) {
    if (numCarta < 1 || numCarta > kMajorCards) {
        return std::nullopt;
    }
    const MeaningEntry& entry = kMeanings[static_cast<std::size_t>(numCarta - 1)];
    CardMeaning meaning{QString::fromUtf8(entry.title), QString()};
    for (const char* piece : entry.pieces) {
        if (piece != nullptr) {
            meaning.text += QString::fromUtf8(piece);
        }
    }
    return meaning;
}

} // namespace readings

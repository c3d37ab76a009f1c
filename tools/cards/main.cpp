// Draws the card pictures into a program folder: the three decks of major arcana, the minor
// arcana and the two backs.
#include "Backs.h"
#include "DeckStyle.h"
#include "Fonts.h"
#include "MajorArcana.h"
#include "MinorArcana.h"
#include "PictureFiles.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

namespace {

bool writeDeck(const QDir& programFolder, const cards::DeckStyle& deck) {
    const QString folder = programFolder.filePath(deck.folder);
    if (!tooldraw::makeFolder(folder)) {
        return false;
    }
    for (const cards::MajorCard& card : cards::majorArcana()) {
        const QImage picture = cards::drawCard(deck, card.face, card.emblem);
        if (!tooldraw::writeJpeg(picture, QDir(folder).filePath(card.file))) {
            return false;
        }
    }
    return true;
}

bool writeMinors(const QDir& programFolder) {
    const QDir folder(programFolder.filePath(cards::minorDeck().folder));
    if (!tooldraw::makeFolder(folder.path())) {
        return false;
    }
    for (const cards::MinorCard& card : cards::minorArcana()) {
        if (!tooldraw::writeJpeg(cards::drawMinorCard(card), folder.filePath(card.file))) {
            return false;
        }
    }
    return tooldraw::writeJpeg(cards::drawSuitBack(), folder.filePath("reverso.jpg")) &&
           tooldraw::writeJpeg(cards::drawGlobalBack(), folder.filePath("reverso2.jpg"));
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: cardgen <program folder>\n");
        return 2;
    }
    tooldraw::loadFonts();
    const QDir programFolder(QString::fromLocal8Bit(argv[1]));
    const bool ok = writeDeck(programFolder, cards::beautifulDeck()) &&
                    writeDeck(programFolder, cards::classicDeck()) &&
                    writeDeck(programFolder, cards::esotericDeck()) && writeMinors(programFolder);
    return ok ? 0 : 1;
}

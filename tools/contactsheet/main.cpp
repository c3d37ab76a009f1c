// Contact sheets of the program folder's pictures, to judge the decks at a glance:
//   cards.png  the 66 major arcana (three decks), the 56 minor arcana and the two backs;
//   sky.png    the 31 moon pictures and the 12 sign pictures;
//   and one larger sheet per card folder (cards-<folder>.png) for a closer look.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStringList>

#include <cstdio>
#include <vector>

namespace {

const QStringList kMajorFiles = {
    "mago1.jpg",    "sacerdotisa2.jpg", "emperatriz3.jpg", "emperador4.jpg",     "sacerdote5.jpg",
    "amantes6.jpg", "carro7.jpg",       "justicia8.jpg",   "ermita\u00F1o9.jpg", "fortuna10.jpg",
    "fuerza11.jpg", "colgado12.jpg",    "muerte13.jpg",    "templanza14.jpg",    "diablo15.jpg",
    "torre16.jpg",  "estrella17.jpg",   "luna18.jpg",      "sol19.jpg",          "juicio20.jpg",
    "loco21.jpg",   "mundo22.jpg"};
const QStringList kDecks = {"imagenes", "imagenes2", "imagenes3"};
const QStringList kSuitWords = {"espadas", "bastos", "copas", "oros"};
const QStringList kCourtStems = {"sota-", "caballo-", "reina-", "rey-"};
const QStringList kSignStems = {"Aries",     "Tauro",       "Geminis", "Cancer",
                                "Leo",       "Virgo",       "Libra",   "Escorpio",
                                "Sagitario", "Capricornio", "Acuario", "Piscis"};

using Row = std::vector<QString>;

QImage sheet(const std::vector<Row>& rows, QSize cell, int gap) {
    int columns = 0;
    for (const Row& row : rows) {
        columns = std::max(columns, static_cast<int>(row.size()));
    }
    QImage image(gap + columns * (cell.width() + gap), gap + rows.size() * (cell.height() + gap),
                 QImage::Format_RGB32);
    image.fill(QColor(0x40, 0x40, 0x44));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            const QRect place(gap + c * (cell.width() + gap), gap + r * (cell.height() + gap),
                              cell.width(), cell.height());
            QImage picture(rows[r][c]);
            if (picture.isNull()) {
                painter.fillRect(place, Qt::magenta);
                std::fprintf(stderr, "missing %s\n", qPrintable(rows[r][c]));
                continue;
            }
            painter.drawImage(place,
                              picture.scaled(cell, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        }
    }
    return image;
}

Row majorRow(const QDir& folder, const QString& deck) {
    Row row;
    for (const QString& file : kMajorFiles) {
        row.push_back(folder.filePath(deck + "/" + file));
    }
    return row;
}

Row minorRow(const QDir& folder, const QString& suit) {
    Row row;
    for (int rank = 1; rank <= 10; ++rank) {
        row.push_back(folder.filePath("amenores/" + QString::number(rank) + suit + ".jpg"));
    }
    for (const QString& stem : kCourtStems) {
        row.push_back(folder.filePath("amenores/" + stem + suit + ".jpg"));
    }
    return row;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: contactsheet <program folder> <output folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QDir out(QString::fromLocal8Bit(argv[2]));
    QDir().mkpath(out.path());

    std::vector<Row> cards;
    for (const QString& deck : kDecks) {
        cards.push_back(majorRow(folder, deck));
    }
    for (const QString& suit : kSuitWords) {
        cards.push_back(minorRow(folder, suit));
    }
    cards.push_back(
        {folder.filePath("amenores/reverso.jpg"), folder.filePath("amenores/reverso2.jpg")});
    bool ok = sheet(cards, QSize(100, 173), 6).save(out.filePath("cards.png"));

    for (const QString& deck : kDecks) {
        const Row all = majorRow(folder, deck);
        ok = sheet({Row(all.begin(), all.begin() + 11), Row(all.begin() + 11, all.end())},
                   QSize(150, 260), 8)
                 .save(out.filePath("cards-" + deck + ".png")) &&
             ok;
    }
    std::vector<Row> minors;
    for (const QString& suit : kSuitWords) {
        const Row all = minorRow(folder, suit);
        minors.push_back(Row(all.begin(), all.begin() + 7));
        minors.push_back(Row(all.begin() + 7, all.end()));
    }
    ok = sheet(minors, QSize(150, 260), 8).save(out.filePath("cards-amenores.png")) && ok;

    std::vector<Row> sky(3);
    for (int n = 0; n <= 30; ++n) {
        sky[n / 16].push_back(folder.filePath("lunagif/moon" + QString::number(n) + ".gif"));
    }
    for (const QString& stem : kSignStems) {
        sky[2].push_back(folder.filePath("signos/" + stem + "_sm.gif"));
    }
    ok = sheet(sky, QSize(96, 96), 8).save(out.filePath("sky.png")) && ok;
    return ok ? 0 : 1;
}

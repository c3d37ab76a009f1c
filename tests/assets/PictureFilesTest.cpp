#include "ProgramDataNames.h"

#include "cards/CardRules.h"

#include <QFile>
#include <QImage>
#include <QImageReader>

#include <gtest/gtest.h>

using program_data::programFile;

namespace {

struct PictureCase {
    QString file;       // relative to the program folder
    const char* format; // as QImageReader names it
    QSize size;
};

void PrintTo(const PictureCase& c, std::ostream* os) {
    *os << c.file.toStdString();
}

constexpr QSize kCardSize(300, 520);
constexpr QSize kMoonSize(64, 64);
constexpr QSize kSignSize(64, 64);

std::vector<PictureCase> programPictures() {
    std::vector<PictureCase> cases;
    for (const QString& deck : program_data::deckFolders()) {
        for (const QString& stem : program_data::majorStems()) {
            cases.push_back({deck + "/" + stem + ".jpg", "jpeg", kCardSize});
        }
    }
    for (const QString& stem : program_data::minorStems()) {
        cases.push_back({"amenores/" + stem + ".jpg", "jpeg", kCardSize});
    }
    cases.push_back({"amenores/reverso.jpg", "jpeg", kCardSize});
    cases.push_back({"amenores/reverso2.jpg", "jpeg", kCardSize});
    for (int n = 0; n <= 30; ++n) {
        cases.push_back({"lunagif/moon" + QString::number(n) + ".gif", "gif", kMoonSize});
    }
    for (const QString& stem : program_data::signStems()) {
        cases.push_back({"signos/" + stem + "_sm.gif", "gif", kSignSize});
    }
    return cases;
}

} // namespace

class ProgramPicture : public testing::TestWithParam<PictureCase> {};

TEST_P(ProgramPicture, ExistsAndDecodesAtItsSize) {
    const PictureCase& c = GetParam();
    const QString path = programFile(c.file);
    ASSERT_TRUE(QFile::exists(path)) << path.toStdString();
    QImageReader reader(path);
    EXPECT_EQ(reader.format(), QByteArray(c.format));
    const QImage image = reader.read();
    ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
    EXPECT_EQ(image.size(), c.size);
}

INSTANTIATE_TEST_SUITE_P(AllPictures, ProgramPicture, testing::ValuesIn(programPictures()));

namespace {

// Mean brightness (0..255) of the middle of a moon picture's disc, on its left and right halves.
double brightness(const QImage& image, int fromX, int toX) {
    double sum = 0;
    int count = 0;
    for (int y = image.height() / 3; y < 2 * image.height() / 3; ++y) {
        for (int x = fromX; x < toX; ++x) {
            sum += qGray(image.pixel(x, y));
            ++count;
        }
    }
    return sum / count;
}

} // namespace

TEST(MoonPictures, GoFromNewThroughFullToNewLitFirstOnTheRight) {
    auto moon = [](int n) {
        return QImage(programFile("lunagif/moon" + QString::number(n) + ".gif"));
    };
    const int w = kMoonSize.width();
    const double newMoon = brightness(moon(0), w / 4, 3 * w / 4);
    const double full = brightness(moon(15), w / 4, 3 * w / 4);
    EXPECT_GT(full, newMoon + 100);
    EXPECT_LT(brightness(moon(30), w / 4, 3 * w / 4), newMoon + 10);
    // First quarter (90 degrees, picture 7 or 8) is lit on the right, last quarter on the left.
    EXPECT_GT(brightness(moon(8), w / 2 + 4, 3 * w / 4),
              brightness(moon(8), w / 4, w / 2 - 4) + 60);
    EXPECT_GT(brightness(moon(22), w / 4, w / 2 - 4),
              brightness(moon(22), w / 2 + 4, 3 * w / 4) + 60);
    // The lit part grows to the full moon and shrinks after it.
    for (int n = 1; n <= 15; ++n) {
        EXPECT_GE(brightness(moon(n), 0, w) + 1.0, brightness(moon(n - 1), 0, w)) << n;
    }
    for (int n = 16; n <= 30; ++n) {
        EXPECT_LE(brightness(moon(n), 0, w), brightness(moon(n - 1), 0, w) + 1.0) << n;
    }
}

// The names the program asks for, against what the build put into each deck.
TEST(CardPictures, EveryDeckHoldsThePictureTheProgramNamesForEachCard) {
    for (const QString& deck : program_data::deckFolders()) {
        for (runtime::Integer card = 1; card <= readings::kMajorCards; ++card) {
            const QString file = deck + "/" + readings::ImagenesArcanos(card);
            EXPECT_TRUE(QFile::exists(programFile(file))) << file.toStdString();
        }
    }
}

TEST(CardPictures, DecksDifferFromEachOther) {
    for (const QString& stem : program_data::majorStems()) {
        const QImage one(programFile("imagenes/" + stem + ".jpg"));
        const QImage classic(programFile("imagenes2/" + stem + ".jpg"));
        const QImage esoteric(programFile("imagenes3/" + stem + ".jpg"));
        EXPECT_NE(one, classic) << stem.toStdString();
        EXPECT_NE(one, esoteric) << stem.toStdString();
        EXPECT_NE(classic, esoteric) << stem.toStdString();
    }
}

struct UiPictureCase {
    const char* name;
    QSize size;
};

class UiPicture : public testing::TestWithParam<UiPictureCase> {};

TEST_P(UiPicture, IsCompiledIntoTheProgram) {
    const QString path = QString(":/ui/%1.png").arg(QString::fromUtf8(GetParam().name));
    const QImage image(path);
    ASSERT_FALSE(image.isNull()) << path.toStdString();
    EXPECT_EQ(image.size(), GetParam().size);
}

INSTANTIATE_TEST_SUITE_P(
    WindowPictures, UiPicture,
    testing::Values(UiPictureCase{"tray", {32, 32}}, UiPictureCase{"app", {64, 64}},
                    UiPictureCase{"trend-up", {16, 16}}, UiPictureCase{"trend-down", {16, 16}},
                    UiPictureCase{"help", {24, 24}}, UiPictureCase{"minimize", {24, 24}},
                    UiPictureCase{"refresh", {24, 24}}, UiPictureCase{"sound-on", {32, 32}},
                    UiPictureCase{"sound-off", {32, 32}}, UiPictureCase{"alert", {20, 20}},
                    // The notification window: 2985 twips wide, 1800, 2670 or 3650 high.
                    UiPictureCase{"notif-short", {199, 120}},
                    UiPictureCase{"notif-medium", {199, 178}},
                    UiPictureCase{"notif-long", {199, 243}}, UiPictureCase{"notif-close", {13, 12}},
                    UiPictureCase{"biorhythms", {32, 32}}, UiPictureCase{"arrow-left", {16, 16}},
                    UiPictureCase{"arrow-right", {16, 16}}, UiPictureCase{"today", {24, 24}}),
    [](const testing::TestParamInfo<UiPictureCase>& param) {
        std::string name = param.param.name;
        std::replace(name.begin(), name.end(), '-', '_');
        return name;
    });

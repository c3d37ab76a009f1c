#include "ProgramDataNames.h"

#include "runtime/Ansi.h"
#include "support/CardTitles.h"

#include <QFile>

#include <gtest/gtest.h>

using program_data::programFile;

namespace {

struct TextCase {
    QString file;
    int minBytes;
    int maxBytes;
    QString firstLine; // the heading the text must start with; empty: any
    bool upright;      // holds an "Upright:" and a "Reversed:" paragraph
};

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << c.file.toStdString();
}

// Card texts fill the Oracle's scrolling text box; sign texts the small box over the sign
// picture, so they stay short.
constexpr int kCardTextMin = 250, kCardTextMax = 2000;
constexpr int kSignTextMin = 200, kSignTextMax = 700;
constexpr int kLongestLine = 500;

const char* const kSignNames[] = {"Aries",       "Taurus",    "Gemini",   "Cancer",
                                  "Leo",         "Virgo",     "Libra",    "Scorpio",
                                  "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

std::vector<TextCase> programTexts() {
    std::vector<TextCase> cases;
    const QStringList majors = program_data::majorTextStems();
    for (int i = 0; i < majors.size(); ++i) {
        cases.push_back({"textos/" + majors[i] + ".txt", kCardTextMin, kCardTextMax,
                         QString::fromUtf8(testing_support::kCardTitles[i]), true});
    }
    for (const QString& stem : program_data::minorStems()) {
        cases.push_back({"mtextos/" + stem + ".txt", kCardTextMin, kCardTextMax, "", true});
    }
    const QStringList signs = program_data::signStems();
    for (int i = 0; i < signs.size(); ++i) {
        cases.push_back({"sigtxt/" + signs[i].toLower() + ".txt", kSignTextMin, kSignTextMax,
                         QString::fromUtf8(kSignNames[i]), false});
    }
    return cases;
}

// Bytes that Windows-1252 leaves undefined.
bool undefinedInWindows1252(unsigned char byte) {
    return byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
}

} // namespace

class ProgramText : public testing::TestWithParam<TextCase> {};

TEST_P(ProgramText, IsWindows1252WithCrLfLinesWithinItsLength) {
    const TextCase& c = GetParam();
    QFile file(programFile(c.file));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.file.toStdString();
    const QByteArray bytes = file.readAll();
    EXPECT_GE(bytes.size(), c.minBytes);
    EXPECT_LE(bytes.size(), c.maxBytes);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        ASSERT_FALSE(undefinedInWindows1252(byte)) << "byte " << i;
        ASSERT_FALSE(byte < 0x20 && byte != '\r' && byte != '\n') << "control byte at " << i;
        if (byte == '\n') {
            ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare LF at " << i;
        }
        if (byte == '\r') {
            ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "bare CR at " << i;
        }
    }
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    const QStringList lines = runtime::fromAnsi(bytes).split("\r\n");
    for (const QString& line : lines) {
        EXPECT_LE(line.size(), kLongestLine);
        EXPECT_EQ(line, line.trimmed()) << "blanks around a line";
    }
    if (!c.firstLine.isEmpty()) {
        EXPECT_TRUE(lines.first().startsWith(c.firstLine)) << lines.first().toStdString();
    }
    if (c.upright) {
        EXPECT_TRUE(bytes.contains("\r\nUpright: "));
        EXPECT_TRUE(bytes.contains("\r\nReversed: "));
    }
}

INSTANTIATE_TEST_SUITE_P(AllTexts, ProgramText, testing::ValuesIn(programTexts()));

TEST(MinorTexts, NameTheirCardInTheFirstLine) {
    const QStringList ranks = {"Ace",   "Two",  "Three", "Four", "Five",   "Six",   "Seven",
                               "Eight", "Nine", "Ten",   "Page", "Knight", "Queen", "King"};
    const QStringList suits = {"Swords", "Batons", "Cups", "Coins"};
    const QStringList stems = program_data::minorStems();
    for (int i = 0; i < stems.size(); ++i) {
        QFile file(programFile("mtextos/" + stems[i] + ".txt"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString title = runtime::fromAnsi(file.readLine()).trimmed();
        EXPECT_EQ(title, ranks[i % 14] + " of " + suits[i / 14]) << stems[i].toStdString();
    }
}

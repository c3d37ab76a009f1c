#include "biorule/BirthData.h"
#include "biorule/BioState.h"
#include "support/TempProgramFolder.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace biorhythms;

class BirthDataFiles : public testing::Test {
protected:
    void SetUp() override { resetBioState(); }
    testing_support::TempProgramFolder folder;
};

TEST_F(BirthDataFiles, WritesOneRecordOfCommaSeparatedNumbers) {
    BioState& s = bioState();
    s.diaNac = 15;
    s.mesNac = 6;
    s.anioNac = 1980;
    s.horaNac = 7;
    s.minutoNac = 5;
    ASSERT_TRUE(writeBirthDate());
    ASSERT_TRUE(writeBirthTime());
    ASSERT_TRUE(writeCountdownDate());
    EXPECT_EQ(folder.read("bio.dat"), "15,6,1980\r\n");
    EXPECT_EQ(folder.read("horabio.dat"), "7,5\r\n");
    EXPECT_EQ(folder.read("biofinal.dat"), "0,0,0\r\n");

    resetBioState();
    readBirthDate();
    readBirthTime();
    EXPECT_EQ(s.diaNac, 15);
    EXPECT_EQ(s.anioNac, 1980);
    EXPECT_EQ(s.minutoNac, 5);
}

TEST_F(BirthDataFiles, NotSetMarkerNeedsAllThreeNumbers) {
    folder.write("bio.dat", "1,1,1900\r\n");
    readBirthDate();
    EXPECT_FALSE(bioState().birthDateSet());
    folder.write("bio.dat", "1,1,1901\n");
    readBirthDate();
    EXPECT_TRUE(bioState().birthDateSet());
}

struct BadFile {
    const char* name;
    QByteArray content;
};

TEST_F(BirthDataFiles, MissingDamagedOrOutOfRangeFilesReadAsDefaults) {
    const BadFile cases[] = {
        {"missing", QByteArray()},
        {"text", "hello"},
        {"short", "15,6"},
        {"day", "32,1,1980"},
        {"month", "1,13,1980"},
        {"year", "1,1,2101"},
        {"feb30", "30,2,1980"},
        {"binary", "\xff\xfe\x00\x01"},
        {"huge", "99999999999999,1,1"},
    };
    for (const BadFile& c : cases) {
        resetBioState();
        bioState().diaNac = 9;
        for (const char* file : {"bio.dat", "biofinal.dat"}) {
            QFile::remove(folder.file(file));
            if (!c.content.isNull()) {
                folder.write(file, c.content);
            }
        }
        readBirthDate();
        readBirthTime();
        readCountdownDate();
        const BioState& s = bioState();
        EXPECT_FALSE(s.birthDateSet()) << c.name;
        EXPECT_EQ(s.horaNac, 12) << c.name;
        EXPECT_EQ(s.minutoNac, 0) << c.name;
        EXPECT_EQ(s.diaFinal + s.mesFinal + s.anioFinal, 0) << c.name;
    }
}

TEST_F(BirthDataFiles, BirthTimeOutOfRangeReadsAsNoon) {
    for (const char* bad : {"24,0", "7,60", "-1,5", "7", "seven,five"}) {
        folder.write("horabio.dat", bad);
        readBirthTime();
        EXPECT_EQ(bioState().horaNac, 12) << bad;
        EXPECT_EQ(bioState().minutoNac, 0) << bad;
    }
    folder.write("horabio.dat", " 23 , 59 \r\n");
    readBirthTime();
    EXPECT_EQ(bioState().horaNac, 23);
    EXPECT_EQ(bioState().minutoNac, 59);
}

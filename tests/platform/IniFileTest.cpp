#include "platform/IniFile.h"
#include "runtime/ProgramFolder.h"
#include "support/TempProgramFolder.h"

#include <gtest/gtest.h>

using platform::GetPrivateProfileString;
using platform::WritePrivateProfileString;
using testing_support::TempProgramFolder;

class IniFile : public testing::Test {
protected:
    QString ini() const { return folder.file("opciones.ini"); }
    QString read(const QString& key, const QString& section = "opciones") const {
        return GetPrivateProfileString(section, key, QString(), ini());
    }
    TempProgramFolder folder;
};

TEST_F(IniFile, MissingFileSectionOrKeyReadsAsDefault) {
    EXPECT_EQ(read("Tirada"), "");
    EXPECT_EQ(GetPrivateProfileString("opciones", "Tirada", "objetiva", ini()), "objetiva");
    ASSERT_TRUE(WritePrivateProfileString("opciones", "Tirada", "real", ini()));
    EXPECT_EQ(read("Minimizar"), "");
    EXPECT_EQ(read("Tirada", "otra"), "");
}

TEST_F(IniFile, FirstWriteCreatesTheFileInTheUsualLayout) {
    ASSERT_TRUE(WritePrivateProfileString("opciones", "Módulo Inicial", "Oracle", ini()));
    ASSERT_TRUE(WritePrivateProfileString("Posición", "Velarcanacod_Left", "1200", ini()));
    ASSERT_TRUE(WritePrivateProfileString("opciones", "Tirada", "real", ini()));
    EXPECT_EQ(folder.read("opciones.ini"),
              QByteArray("[opciones]\r\nM\xf3"
                         "dulo Inicial=Oracle\r\nTirada=real\r\n"
                         "[Posici\xf3n]\r\nVelarcanacod_Left=1200\r\n"));
}

TEST_F(IniFile, SectionsAndKeysIgnoreCaseAndValuesAreTrimmed) {
    folder.write("opciones.ini", "[OPCIONES]\r\n  nivel alertas =  None  \r\nM\xd3"
                                 "DULO INICIAL=Names\r\n");
    EXPECT_EQ(read("Nivel Alertas"), "None");
    EXPECT_EQ(read("Módulo Inicial"), "Names");
}

TEST_F(IniFile, EmptyValueReadsLikeAMissingKey) {
    folder.write("opciones.ini", "[opciones]\r\nTirada=\r\n");
    EXPECT_EQ(read("Tirada"), read("Absent"));
}

TEST_F(IniFile, ValuesComeBackCutAt254Characters) {
    const QString longPath = QString(300, QLatin1Char('x'));
    ASSERT_TRUE(WritePrivateProfileString("opciones", "SongAmbient", longPath, ini()));
    EXPECT_EQ(read("SongAmbient"), longPath.left(254));
}

TEST_F(IniFile, RewritingAKeyKeepsEveryOtherLine) {
    folder.write("opciones.ini", "; comment\r\n[opciones]\r\nTirada=real\r\ngarbage line\r\n"
                                 "Minimizar=toolbar\r\n\r\n[other]\r\nTirada=x\r\n");
    ASSERT_TRUE(WritePrivateProfileString("Opciones", "TIRADA", "objetiva", ini()));
    ASSERT_TRUE(WritePrivateProfileString("opciones", "Mute cod", "muted", ini()));
    EXPECT_EQ(folder.read("opciones.ini"),
              QByteArray("; comment\r\n[opciones]\r\nTIRADA=objetiva\r\ngarbage line\r\n"
                         "Minimizar=toolbar\r\nMute cod=muted\r\n\r\n[other]\r\nTirada=x\r\n"));
}

TEST_F(IniFile, TheFileNameIsMatchedWithoutRegardToCase) {
    ASSERT_TRUE(WritePrivateProfileString("opciones", "Tirada", "real",
                                          runtime::programPath("\\Opciones.ini")));
    EXPECT_EQ(
        GetPrivateProfileString("opciones", "Tirada", "", runtime::programPath("\\opciones.ini")),
        "real");
}

TEST_F(IniFile, DamagedFileReadsAsMissingKeysAndSurvivesAWrite) {
    QByteArray garbage;
    for (int i = 0; i < 5000; ++i) {
        const char byte = static_cast<char>((i * 37) % 256);
        if (byte != '\n' && byte != '\r') {
            garbage.append(byte);
        }
    }
    garbage += "\r\n[opciones]\r\nTirada=" + QByteArray(100000, 'z') + "\r\n";
    folder.write("opciones.ini", garbage);
    EXPECT_EQ(read("Tirada"), "");
    ASSERT_TRUE(WritePrivateProfileString("opciones", "Tirada", "real", ini()));
    EXPECT_EQ(read("Tirada"), "real");
    EXPECT_TRUE(folder.read("opciones.ini").startsWith(garbage.left(4900)));
}

TEST_F(IniFile, WriteIntoAnUnwritableFolderReportsFailureAndKeepsNothingHalfDone) {
    EXPECT_FALSE(WritePrivateProfileString("opciones", "Tirada", "real",
                                           folder.file("no-such-folder/opciones.ini")));
}

#include "platform/IniFile.h"
#include "runtime/ProgramFolder.h"
#include "support/FullDisk.h"
#include "support/ReadOnlyFolder.h"
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

// Files as editors and other systems leave them: each is read, then one key is written, and the
// whole file is compared byte for byte.
TEST_F(IniFile, FilesAsOtherProgramsLeaveThemReadAndWriteBackWhole) {
    struct Case {
        const char* what;
        QByteArray before;
        const char* key;
        const char* value;
        QByteArray after; // once "Tirada" is written as "objetiva"
    };
    const QByteArray mark = "\xEF\xBB\xBF";
    const Case cases[] = {
        {"UTF-8 behind a byte order mark",
         mark + "[opciones]\r\nM\xC3\xB3"
                "dulo Inicial=Oracle\r\nTirada=real\r\n",
         "Módulo Inicial", "Oracle",
         mark + "[opciones]\r\nM\xC3\xB3"
                "dulo Inicial=Oracle\r\nTirada=objetiva\r\n"},
        {"Windows-1252 behind a byte order mark",
         mark + "[opciones]\r\nM\xF3"
                "dulo Inicial=Names\r\n",
         "Módulo Inicial", "Names",
         "[opciones]\r\nM\xF3"
         "dulo Inicial=Names\r\nTirada=objetiva\r\n"},
        {"a value in double quotes",
         "[opciones]\r\nM\xF3"
         "dulo Inicial=\"Oracle\"\r\n",
         "Módulo Inicial", "Oracle",
         "[opciones]\r\nM\xF3"
         "dulo Inicial=\"Oracle\"\r\nTirada=objetiva\r\n"},
        {"quotes with blanks", "[opciones]\r\nSongAmbient = \" /m/a b.mid \" \r\n", "SongAmbient",
         " /m/a b.mid ", "[opciones]\r\nSongAmbient = \" /m/a b.mid \" \r\nTirada=objetiva\r\n"},
        {"a quote on one side only", "[opciones]\r\nPerfil-Bio=\"Ana\r\n", "Perfil-Bio", "\"Ana",
         "[opciones]\r\nPerfil-Bio=\"Ana\r\nTirada=objetiva\r\n"},
        {"lines ended by CR alone", "[opciones]\rTirada=real\rMinimizar=toolbar\r", "Minimizar",
         "toolbar", "[opciones]\r\nTirada=objetiva\r\nMinimizar=toolbar\r\n"},
        {"lines ended by LF alone", "[opciones]\nMinimizar=toolbar\nTirada=real", "Minimizar",
         "toolbar", "[opciones]\r\nMinimizar=toolbar\r\nTirada=objetiva\r\n"},
        {"every line end at once", "[opciones]\rMinimizar=toolbar\nHemisferio=Sur\r\n",
         "Hemisferio", "Sur",
         "[opciones]\r\nMinimizar=toolbar\r\nHemisferio=Sur\r\nTirada=objetiva\r\n"},
    };
    for (const Case& c : cases) {
        folder.write("opciones.ini", c.before);
        EXPECT_EQ(read(QString::fromUtf8(c.key)), c.value) << c.what;
        ASSERT_TRUE(WritePrivateProfileString("opciones", "Tirada", "objetiva", ini())) << c.what;
        EXPECT_EQ(folder.read("opciones.ini"), c.after) << c.what;
        EXPECT_EQ(read(QString::fromUtf8(c.key)), c.value) << c.what << ", after the write";
    }
}

// A value that is itself quoted keeps its quotes once written and read back.
TEST_F(IniFile, AQuotedValueReadsBackWithItsQuotes) {
    for (const char* value : {"\"Ana\"", "\"\"", "\"", "a\"b\"c"}) {
        ASSERT_TRUE(WritePrivateProfileString("opciones", "Perfil-Bio", value, ini())) << value;
        EXPECT_EQ(read("Perfil-Bio"), value);
    }
}

// A line break would spread the value over lines (a path of Linux may hold one); no control
// character is written, and nothing else of the file changes.
TEST_F(IniFile, AValueWithAControlCharacterIsRefusedAndNothingIsWritten) {
    const QByteArray file = "[opciones]\r\nSongAmbient=/m/old.mid\r\n";
    folder.write("opciones.ini", file);
    for (const char* value :
         {"/m/a\nb.mid", "/m/a\r\n[opciones]\r\nb.mid", "/m/a\rb", "a\tb", "a\x7f", "a\xc2\x85"}) {
        EXPECT_FALSE(
            WritePrivateProfileString("opciones", "SongAmbient", QString::fromUtf8(value), ini()))
            << value;
        EXPECT_EQ(folder.read("opciones.ini"), file) << value;
    }
    EXPECT_FALSE(WritePrivateProfileString("opciones", "Song\nAmbient", "x", ini()));
    EXPECT_FALSE(WritePrivateProfileString("op\rciones", "SongAmbient", "x", ini()));
    EXPECT_EQ(folder.read("opciones.ini"), file);
}

// A folder that takes no new file: a settings file that may be written is written in place.
TEST_F(IniFile, InAReadOnlyFolderAWritableFileIsRewrittenInPlace) {
    folder.write("opciones.ini", "[opciones]\r\nTirada=real\r\nMinimizar=toolbar\r\n");
    testing_support::ReadOnlyFolder readOnly(folder.path());
    if (!readOnly.holds()) {
        GTEST_SKIP() << "this process writes through every permission";
    }
    ASSERT_TRUE(WritePrivateProfileString("opciones", "Tirada", "objetiva", ini()));
    EXPECT_EQ(folder.read("opciones.ini"),
              "[opciones]\r\nTirada=objetiva\r\nMinimizar=toolbar\r\n");
    EXPECT_FALSE(WritePrivateProfileString("opciones", "Tirada", "real", folder.file("otras.ini")))
        << "a new file cannot be made there";
}

class IniFileOnAFullDisk : public IniFile,
                           public testing::WithParamInterface<testing_support::FullDisk::Kind> {};

TEST_P(IniFileOnAFullDisk, AWriteFailsAndLeavesTheFileAsItWas) {
    const QByteArray file = "[opciones]\r\nTirada=real\r\nNivel Alertas=None \r\n"
                            "Minimizar=toolbar\r\ntipocartas=oldones\r\n";
    folder.write("opciones.ini", file);
    testing_support::FullDisk full(GetParam(), folder.path());
    if (!full.holds()) {
        GTEST_SKIP() << full.why().toStdString();
    }
    EXPECT_FALSE(WritePrivateProfileString("opciones", "Tirada", "objetiva", ini()));
    EXPECT_FALSE(WritePrivateProfileString("opciones", "Hemisferio", "Sur", ini()));
    EXPECT_EQ(folder.read("opciones.ini"), file);
}

INSTANTIATE_TEST_SUITE_P(Kinds, IniFileOnAFullDisk, testing_support::kFullDisks,
                         testing_support::fullDiskName);

#include "platform/IniFile.h"
#include "runtime/ProgramFolder.h"
#include "support/FullDisk.h"
#include "support/ReadOnlyFolder.h"
#include "support/TempProgramFolder.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

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
         mark + "[opciones]\r\nM\xF3"
                "dulo Inicial=Names\r\nTirada=objetiva\r\n"},
        // Only the first mark is one: the second starts the first line, which names no section.
        {"UTF-8 behind two marks", mark + mark + "[opciones]\r\nHemisferio=Sur\r\n", "Hemisferio",
         "", mark + mark + "[opciones]\r\nHemisferio=Sur\r\n[opciones]\r\nTirada=objetiva\r\n"},
        {"Windows-1252 behind two marks",
         mark + mark +
             "[opciones]\r\nM\xF3"
             "dulo Inicial=Names\r\n",
         "Módulo Inicial", "",
         mark + mark +
             "[opciones]\r\nM\xF3"
             "dulo Inicial=Names\r\n[opciones]\r\nTirada=objetiva\r\n"},
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
        {"a value in single quotes", "[opciones]\r\ntipocartas='oldones'\r\n", "tipocartas",
         "oldones", "[opciones]\r\ntipocartas='oldones'\r\nTirada=objetiva\r\n"},
        {"single quotes with blanks", "[opciones]\r\nPerfil-Bio = ' Ana ' \r\n", "Perfil-Bio",
         " Ana ", "[opciones]\r\nPerfil-Bio = ' Ana ' \r\nTirada=objetiva\r\n"},
        {"quotes that do not match", "[opciones]\r\nPerfil-Bio='Ana\"\r\n", "Perfil-Bio", "'Ana\"",
         "[opciones]\r\nPerfil-Bio='Ana\"\r\nTirada=objetiva\r\n"},
        {"UTF-8 without a mark",
         "; configuraci\xC3\xB3n a mano\n[opciones]\nM\xC3\xB3"
         "dulo Inicial=Oracle\nTirada='real'\n[Posici\xC3\xB3n]\nVelarcanacod_Left=1200\n",
         "Módulo Inicial", "Oracle",
         "; configuraci\xC3\xB3n a mano\r\n[opciones]\r\nM\xC3\xB3"
         "dulo Inicial=Oracle\r\nTirada=objetiva\r\n[Posici\xC3\xB3n]\r\n"
         "Velarcanacod_Left=1200\r\n"},
        {"Windows-1252 with accents",
         "[opciones]\r\nM\xF3"
         "dulo Inicial=Names\r\nSongAmbient=/m/\xE9t\xE9.mid\r\n",
         "SongAmbient", "/m/été.mid",
         "[opciones]\r\nM\xF3"
         "dulo Inicial=Names\r\nSongAmbient=/m/\xE9t\xE9.mid\r\nTirada=objetiva\r\n"},
        {"Windows-1252 beside a few bytes of UTF-8",
         "[opciones]\r\nM\xF3"
         "dulo Inicial=Names\r\nNombre secundario=Zo\xC3\xAB\r\n",
         "Módulo Inicial", "Names",
         "[opciones]\r\nM\xF3"
         "dulo Inicial=Names\r\nNombre secundario=Zo\xC3\xAB\r\nTirada=objetiva\r\n"},
        {"UTF-8 cut in the middle of a letter", "[opciones]\r\nNombre secundario=Zo\xC3\r\n",
         "Nombre secundario", "Zo\u00C3",
         "[opciones]\r\nNombre secundario=Zo\xC3\r\nTirada=objetiva\r\n"},
    };
    for (const Case& c : cases) {
        folder.write("opciones.ini", c.before);
        EXPECT_EQ(read(QString::fromUtf8(c.key)), QString::fromUtf8(c.value)) << c.what;
        ASSERT_TRUE(WritePrivateProfileString("opciones", "Tirada", "objetiva", ini())) << c.what;
        EXPECT_EQ(folder.read("opciones.ini"), c.after) << c.what;
        EXPECT_EQ(read(QString::fromUtf8(c.key)), QString::fromUtf8(c.value))
            << c.what << ", after the write";
    }
}

// A value that is itself quoted keeps its quotes once written and read back.
TEST_F(IniFile, AQuotedValueReadsBackWithItsQuotes) {
    for (const char* value :
         {"\"Ana\"", "\"\"", "\"", "a\"b\"c", "'Ana'", "''", "'", "'Ana\"", "\"'Ana'\""}) {
        ASSERT_TRUE(WritePrivateProfileString("opciones", "Perfil-Bio", value, ini())) << value;
        EXPECT_EQ(read("Perfil-Bio"), value);
    }
}

// A value written into a file kept as UTF-8 is stored as UTF-8; one written into a file of plain
// ASCII is stored in Windows-1252, as the program writes a new file.
TEST_F(IniFile, AValueIsWrittenInTheTextOfItsFile) {
    const std::pair<QByteArray, QByteArray> cases[] = {
        {"[opciones]\nHemisferio=Sur\n# n\xC3\xBA"
         "mero\n",
         "[opciones]\r\nHemisferio=Sur\r\n# n\xC3\xBA"
         "mero\r\nNombre secundario=Zo\xC3\xAB\r\n"},
        {"[opciones]\nHemisferio=Sur\n",
         "[opciones]\r\nHemisferio=Sur\r\nNombre secundario=Zo\xEB\r\n"},
    };
    for (const auto& [before, after] : cases) {
        folder.write("opciones.ini", before);
        ASSERT_TRUE(WritePrivateProfileString("opciones", "Nombre secundario", "Zoë", ini()));
        EXPECT_EQ(folder.read("opciones.ini"), after);
        EXPECT_EQ(read("Nombre secundario"), "Zoë");
    }
}

// Only the start of a huge file is read, up to its last whole line there; such a file is not
// written over, since what lies beyond would be lost.
TEST_F(IniFile, OfAFileTooLongToReadWholeOnlyTheStartIsReadAndNothingIsWritten) {
    const QByteArray start = "[opciones]\r\nTirada=real\r\n; ";
    const QByteArray filler(platform::kSettingsFileMax - start.size() - 2, 'x');
    const QByteArray file = start + filler + "\r\nHemisferio=Sur\r\n";
    ASSERT_GT(file.size(), platform::kSettingsFileMax);
    folder.write("opciones.ini", file);
    EXPECT_EQ(read("Tirada"), "real");
    EXPECT_EQ(read("Hemisferio"), "") << "a line that ends beyond the start is not read";
    EXPECT_FALSE(WritePrivateProfileString("opciones", "Tirada", "objetiva", ini()));
    EXPECT_EQ(folder.read("opciones.ini"), file);
}

// A write that would make the file longer than is read leaves it as it was, so the file never
// locks itself out of being read whole; a write that fits goes on working.
TEST_F(IniFile, AtItsSizeLimitAFileTakesOnlyWritesThatFit) {
    struct Write {
        const char* key;
        const char* value;
        int growth; // bytes the file gains
    };
    const Write writes[] = {
        {"Tirada", "sol", -1},
        {"Tirada", "luna", 0},
        {"Tirada", "objetiva", 4},
        {"Hemisferio", "Sur", 16},
    };
    const qint64 max = platform::kSettingsFileMax;
    for (const qint64 size : {max - 4, max, max + 1}) {
        // The last line, beyond the filler, must read back after every write.
        const QByteArray start = "[opciones]\r\nTirada=real\r\n; ";
        const QByteArray end = "\r\nMinimizar=toolbar\r\n";
        const QByteArray file = start + QByteArray(size - start.size() - end.size(), 'x') + end;
        ASSERT_EQ(file.size(), size);
        for (const Write& w : writes) {
            SCOPED_TRACE(testing::Message()
                         << size - max << " from the limit, " << w.key << "=" << w.value);
            folder.write("opciones.ini", file);
            const bool fits = size <= max && size + w.growth <= max;
            ASSERT_EQ(WritePrivateProfileString("opciones", w.key, w.value, ini()), fits);
            if (!fits) {
                EXPECT_EQ(folder.read("opciones.ini"), file);
                continue;
            }
            EXPECT_EQ(folder.read("opciones.ini").size(), size + w.growth);
            EXPECT_EQ(read(w.key), w.value);
            EXPECT_EQ(read("Minimizar"), "toolbar");
            if (QString(w.key) != "Tirada") {
                EXPECT_EQ(read("Tirada"), "real");
            }
        }
    }
}

// Settings kept elsewhere and linked in (a dotfile manager): read through the link, written into
// the file it names with that file's rights, and the link stays. A link to a file not yet there
// makes it where the link points.
TEST_F(IniFile, ASettingsFileBehindALinkIsWrittenThroughAndTheLinkStays) {
    QTemporaryDir kept;
    const QString target = kept.filePath("opciones.ini");
    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[opciones]\r\nTirada=real\r\n");
    file.close();
    ASSERT_TRUE(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner));
    ASSERT_TRUE(QFile::link(target, ini()));
    EXPECT_EQ(read("Tirada"), "real");
    ASSERT_TRUE(WritePrivateProfileString("opciones", "Minimizar", "toolbar", ini()));
    EXPECT_EQ(QFileInfo(ini()).symLinkTarget(), target);
    EXPECT_EQ(folder.read("opciones.ini"), "[opciones]\r\nTirada=real\r\nMinimizar=toolbar\r\n");
    EXPECT_EQ(QFile::permissions(target),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);

    const QString notYet = kept.filePath("otras.ini");
    ASSERT_TRUE(QFile::link(notYet, folder.file("otras.ini")));
    ASSERT_TRUE(WritePrivateProfileString("opciones", "Tirada", "real", folder.file("otras.ini")));
    EXPECT_EQ(QFileInfo(folder.file("otras.ini")).symLinkTarget(), notYet);
    EXPECT_EQ(folder.read("otras.ini"), "[opciones]\r\nTirada=real\r\n");
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

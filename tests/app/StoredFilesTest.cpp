// Every file the program keeps, with something else in its place: a named pipe, a link to a
// device without end, a folder. The program's own readers take it for a missing file at once,
// and its writers report a failure and leave the thing exactly as it was.
#include "biorhythms/Profiles.h"
#include "biorule/BioState.h"
#include "biorule/BirthData.h"
#include "readings/ResultLogs.h"
#include "runtime/TextFile.h"
#include "shell/Settings.h"
#include "shell/ShellState.h"
#include "support/NonFiles.h"
#include "support/TempProgramFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

using namespace testing_support;

namespace {

struct StoredFile {
    const char* test; // the test's name for it
    const char* name; // under the program folder
    // Runs the program's readers of the file; true when they got what they get for no file.
    std::function<bool()> readsAsMissing;
    // Runs the program's writers of the file; true when one of them reports it written.
    std::function<bool()> write;
};

void PrintTo(const StoredFile& file, std::ostream* out) {
    *out << file.name;
}

bool bornOnTheNotSetDate() {
    biorhythms::readBirthDate();
    const biorhythms::BioState& s = biorhythms::bioState();
    return s.diaNac == 1 && s.mesNac == 1 && s.anioNac == 1900;
}

bool bornAtNoon() {
    biorhythms::readBirthTime();
    const biorhythms::BioState& s = biorhythms::bioState();
    return s.horaNac == 12 && s.minutoNac == 0;
}

bool countingDownToToday() {
    biorhythms::readCountdownDate();
    const biorhythms::BioState& s = biorhythms::bioState();
    return s.diaFinal == 0 && s.mesFinal == 0 && s.anioFinal == 0;
}

const QString kProfile = QStringLiteral("Ana,March/5/1980,7:05");

// Both ways a profile reaches the file: appended by "Save profile", or a whole new file put in
// its place by the profile list and editor.
bool writeProfiles() {
    const bool appended = runtime::appendLines(biorhythms::profilesPath(), {kProfile});
    const QTemporaryDir temporaryFolder;
    const QString temp = temporaryFolder.filePath(QStringLiteral("tmp1.tmp"));
    if (!runtime::writeLines(temp, {kProfile})) {
        return true; // the writer did not get to run: counts against it
    }
    return biorhythms::replaceProfilesFile(temp) || appended;
}

bool writeLog() {
    readings::appendEntry(readings::kNumbersLog, readings::numbersEntry(QStringLiteral("994"), 22));
    return readings::emptyLog(readings::kNumbersLog);
}

// Every entry below the folder, so that nothing left beside the thing goes unseen.
QStringList entriesBelow(const QString& folder) {
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        entries << it.next();
    }
    entries.sort();
    return entries;
}

const StoredFile kStoredFiles[] = {
    {"Settings", "opciones.ini",
     [] {
         return shell::readOption(shell::LeerModuloInicial, "Módulo Inicial").isEmpty() &&
                shell::LeerValorIni(shell::kSeccionOpciones, "LogResNumbers", shell::settingsFile())
                    .isEmpty();
     },
     [] { return shell::writeOption("Tirada", "real"); }},
    {"BirthDate", "bio.dat", bornOnTheNotSetDate, biorhythms::writeBirthDate},
    {"BirthTime", "horabio.dat", bornAtNoon, biorhythms::writeBirthTime},
    {"Countdown", "biofinal.dat", countingDownToToday, biorhythms::writeCountdownDate},
    {"Profiles", "perfiles.txt", [] { return biorhythms::profileLines().isEmpty(); },
     writeProfiles},
    // Nothing in the program reads a log; appending looks at its last line.
    {"Log", "logs/resNumbers.log", [] { return true; }, writeLog},
};

} // namespace

class InPlaceOfAFile : public testing::TestWithParam<std::tuple<NonFile, StoredFile>> {
protected:
    void SetUp() override {
        biorhythms::resetBioState();
        shell::resetShellState();
        QDir(folder.path()).mkdir(QStringLiteral("logs"));
    }

    TempProgramFolder folder;
};

TEST_P(InPlaceOfAFile, ReadsAsMissingAndIsNeverWrittenThrough) {
    const auto& [kind, file] = GetParam();
    const QString path = folder.file(QString::fromLatin1(file.name));
    NonFileAt nonFile(kind, path);
    ASSERT_TRUE(nonFile.made());
    // The birth data hold values that differ from what no file gives.
    biorhythms::BioState& s = biorhythms::bioState();
    s.diaNac = s.mesNac = 9;
    s.horaNac = s.minutoNac = 9;
    s.diaFinal = s.mesFinal = 9;
    const QStringList before = entriesBelow(folder.path());

    const std::string what = file.name + std::string(" as ") + nonFileName(kind);
    withinDeadline("reading " + what, [&file = file] { EXPECT_TRUE(file.readsAsMissing()); });
    withinDeadline("writing " + what, [&file = file] { EXPECT_FALSE(file.write()); });

    EXPECT_TRUE(nonFile.unchanged());
    EXPECT_EQ(entriesBelow(folder.path()), before) << "nothing was left beside it";
}

std::string caseName(const testing::TestParamInfo<std::tuple<NonFile, StoredFile>>& param) {
    return std::get<1>(param.param).test + std::string("As") +
           nonFileName(std::get<0>(param.param));
}

INSTANTIATE_TEST_SUITE_P(Files, InPlaceOfAFile,
                         testing::Combine(kNonFiles, testing::ValuesIn(kStoredFiles)), caseName);

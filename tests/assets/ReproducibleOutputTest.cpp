#include <QCryptographicHash>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct GeneratorCase {
    const char* name;
    const char* executable;
    QStringList extraArguments;
};

void PrintTo(const GeneratorCase& c, std::ostream* os) {
    *os << c.name;
}

// Every file the generator wrote, by relative path, with the hash of its bytes.
QMap<QString, QByteArray> run(const GeneratorCase& c, const QString& folder) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(environment);
    process.start(QString::fromUtf8(c.executable), QStringList{folder} + c.extraArguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        ADD_FAILURE() << c.name << " failed: " << process.readAllStandardError().toStdString();
        return {};
    }
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        files.insert(QDir(folder).relativeFilePath(path),
                     QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256));
    }
    return files;
}

} // namespace

class Generator : public testing::TestWithParam<GeneratorCase> {};

TEST_P(Generator, WritesTheSameBytesEveryTime) {
    QTemporaryDir first, second;
    const QMap<QString, QByteArray> a = run(GetParam(), first.path());
    const QMap<QString, QByteArray> b = run(GetParam(), second.path());
    EXPECT_FALSE(a.isEmpty());
    EXPECT_EQ(a.keys(), b.keys());
    for (auto it = a.cbegin(); it != a.cend(); ++it) {
        EXPECT_EQ(it.value(), b.value(it.key())) << it.key().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    AllGenerators, Generator,
    testing::Values(GeneratorCase{"cards", CARDGEN_EXECUTABLE, {}},
                    GeneratorCase{"sky", SKYGEN_EXECUTABLE, {}},
                    GeneratorCase{"sounds", SOUNDGEN_EXECUTABLE, {}},
                    GeneratorCase{"tune", TUNEGEN_EXECUTABLE, {}},
                    GeneratorCase{"windows", UIGEN_EXECUTABLE, {}},
                    GeneratorCase{"icons", ICONGEN_EXECUTABLE, {"velarcana", "16", "256"}},
                    GeneratorCase{"texts",
                                  TEXTGEN_EXECUTABLE,
                                  {VELARCANA_SOURCE_DIR "/assets", "textos", "mtextos", "sigtxt"}}),
    [](const testing::TestParamInfo<GeneratorCase>& param) {
        return std::string(param.param.name);
    });

#include "platform/Autostart.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <utility>

using namespace platform;

class Autostart : public testing::Test {
protected:
    void SetUp() override {
        m_saved = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    }
    void TearDown() override { qputenv("XDG_CONFIG_HOME", m_saved); }

    QString entry() const { return config.filePath("autostart/Velarcana.desktop"); }
    QString read() const {
        QFile file(entry());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    QTemporaryDir config;

private:
    QByteArray m_saved;
};

TEST_F(Autostart, WritingCreatesTheEntryUnderTheConfigFolderAndErasingRemovesIt) {
    EXPECT_EQ(autostartFile("Velarcana"), entry());
    ASSERT_TRUE(writeAutostart("Velarcana", "/opt/Velarcana/Velarcana"));
    const QString text = read();
    EXPECT_TRUE(text.startsWith("[Desktop Entry]\n"));
    EXPECT_TRUE(text.contains("\nName=Velarcana\n"));
    EXPECT_TRUE(text.contains("\nExec=\"/opt/Velarcana/Velarcana\"\n"));
    EXPECT_TRUE(text.contains("\nType=Application\n"));

    ASSERT_TRUE(writeAutostart("Velarcana", "/srv/Other/Velarcana"));
    EXPECT_TRUE(read().contains("\nExec=\"/srv/Other/Velarcana\"\n"));

    EXPECT_TRUE(eraseAutostart("Velarcana"));
    EXPECT_FALSE(QFile::exists(entry()));
    EXPECT_TRUE(eraseAutostart("Velarcana")); // nothing left to erase
}

namespace {

// The value of a key of a desktop entry's text, or a null string.
QString entryValue(const QString& text, const QString& key) {
    for (const QString& line : text.split(u'\n')) {
        if (line.startsWith(key + u'=')) {
            return line.mid(key.size() + 1);
        }
    }
    return {};
}

} // namespace

TEST_F(Autostart, TheEntryCarriesTheIconAndCommentOfTheMenuEntry) {
    QFile menuEntry(VELARCANA_SOURCE_DIR "/tools/install/velarcana.desktop.in");
    ASSERT_TRUE(menuEntry.open(QIODevice::ReadOnly));
    const QString menu = QString::fromUtf8(menuEntry.readAll());
    ASSERT_TRUE(writeAutostart("Velarcana", "/opt/Velarcana/Velarcana"));
    const QString text = read();
    for (const QString key : {"Icon", "Comment"}) {
        EXPECT_FALSE(entryValue(menu, key).isEmpty()) << key.toStdString();
        EXPECT_EQ(entryValue(text, key), entryValue(menu, key)) << key.toStdString();
    }
}

// Only the entry as the program writes it for this path starts this program: the desktop's own
// switch turned off, another path, or the entry cut short do not.
TEST_F(Autostart, AnEntryStartsTheProgramOnlyAsItWasWrittenForIt) {
    const QString program = "/opt/Velarcana/Velarcana";
    const std::pair<const char*, std::function<void(QFile&)>> cases[] = {
        {"turned off by the desktop", [](QFile& file) { file.write("Hidden=true\n"); }},
        {"cut short", [](QFile& file) { file.resize(file.size() - 1); }},
        {"of another path",
         [](QFile& file) {
             file.resize(0);
             file.write(QByteArray("[Desktop Entry]\nExec=\"/srv/Velarcana\"\n"));
         }},
    };
    ASSERT_FALSE(autostartStarts("Velarcana", program));
    ASSERT_TRUE(writeAutostart("Velarcana", program));
    EXPECT_TRUE(autostartStarts("Velarcana", program));
    EXPECT_FALSE(autostartStarts("Velarcana", "/srv/Other/Velarcana"));
    for (const auto& [what, change] : cases) {
        ASSERT_TRUE(writeAutostart("Velarcana", program));
        QFile file(entry());
        ASSERT_TRUE(file.open(QIODevice::ReadWrite | QIODevice::Append));
        change(file);
        file.close();
        EXPECT_FALSE(autostartStarts("Velarcana", program)) << what;
    }
}

TEST_F(Autostart, RelativeConfigFolderFallsBackToTheHomeFolder) {
    qputenv("XDG_CONFIG_HOME", "relative/config");
    EXPECT_EQ(autostartFile("Velarcana"),
              QDir::homePath() + "/.config/autostart/Velarcana.desktop");
}

TEST(DesktopExecValue, QuotesAndEscapesTheProgramPath) {
    const std::pair<const char*, const char*> cases[] = {
        {"/home/ana/Velarcana/Velarcana", R"("/home/ana/Velarcana/Velarcana")"},
        {"/home/ana/My Programs/Velarcana", R"("/home/ana/My Programs/Velarcana")"},
        {"/tmp/a\"b", R"("/tmp/a\\"b")"},
        {"/tmp/$HOME`x`", R"("/tmp/\\$HOME\\`x\\`")"},
        {"/tmp/back\\slash", R"("/tmp/back\\\\slash")"},
        {"/tmp/100%", R"("/tmp/100%%")"},
    };
    for (const auto& [path, exec] : cases) {
        EXPECT_EQ(desktopExecValue(path), exec) << path;
    }
}

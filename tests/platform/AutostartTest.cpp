#include "platform/Autostart.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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

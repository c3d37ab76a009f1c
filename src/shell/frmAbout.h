#pragma once

#include "forms/Form.h"

#include <QUrl>

#include <memory>

class QLabel;

namespace Ui {
class frmAbout;
}

namespace shell {

// The About box: title and version, what the modules do, the help file, and the mail and web
// links of the project. Closing it lets a tray tip show again at once.
class frmAbout : public forms::Form {
    Q_OBJECT

public:
    static constexpr const char* kName = "frmAbout";
    static inline const QString kProductName = QStringLiteral("Velarcana");
    static inline const QUrl kMailLink = QUrl(QStringLiteral("mailto:velarcana@example.org"));
    static inline const QUrl kWebLink = QUrl(QStringLiteral("https://velarcana.example.org/"));
    static const QString kDescription;

    frmAbout();
    ~frmAbout() override;

    void CommandInfo_Click();
    void LblMailto_Click();
    void LblUrl_Click();
    void ARButtonAcep_Click();

protected:
    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    static void setUnderline(QLabel* label, bool underline);

    std::unique_ptr<Ui::frmAbout> ui;
};

// "Version: " with the major, minor and revision numbers ("Version: 8.4.7").
QString versionText(int major, int minor, int revision);

} // namespace shell

#pragma once

#include <QString>
#include <QWidget>

namespace forms {

// Window states as the program's windows use them.
enum WindowState { vbNormal = 0, vbMinimized = 1, vbMaximized = 2 };

// A window with the lifecycle of the program's forms: loaded on first reference (Form_Load runs
// once), shown and hidden, its window state set from code (Form_Resize runs at once), and
// unloaded with a chance to cancel (Form_Unload). Subclasses override the handlers they need.
class Form : public QWidget {
    Q_OBJECT

public:
    explicit Form(const QString& name, QWidget* parent = nullptr);
    ~Form() override;

    QString formName() const { return m_name; }
    bool isLoaded() const { return m_loaded; }
    // Tells one load from another: a new number at every load, 0 before the first.
    quint64 loadSerial() const { return m_loadSerial; }

    void Show();
    void Hide();
    int windowStateCode() const { return m_state; }
    void setWindowStateCode(int state);

    // Asks the window to unload; false when its Form_Unload cancelled.
    bool Unload();

    // Runs Form_Load; the registry calls it once right after creating the window.
    void Load();

protected:
    virtual void Form_Load() {}
    virtual void Form_Unload(int& cancel) { (void)cancel; }
    virtual void Form_Resize() {}
    virtual void Form_Activate() {}

    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool runUnload();
    void applyState();

    QString m_name;
    int m_state = vbNormal;
    bool m_loaded = false;
    quint64 m_loadSerial = 0;
    bool m_applyingState = false;
};

} // namespace forms

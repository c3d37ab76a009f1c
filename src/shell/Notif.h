#pragma once

#include "forms/Form.h"

#include <memory>

namespace Ui {
class Notif;
}

namespace shell {

// The notice that slides up at the bottom right of the screen (biorhythm alerts, the welcome
// and help texts). A sender puts the text into textoNotif, shows the window when it is not
// loaded (its load slides it in) or asks SlideForm to slide it in, and plays "Url.wav".
// notifVisible is set while a notice is up. Positions are held in twips.
class Notif : public forms::Form {
    Q_OBJECT

public:
    static constexpr const char* kName = "Notif";
    enum SlideMode { SlideIn = 0, SlideOut = 1 };

    static constexpr int kWidthTwips = 2985;
    static constexpr int kShortHeightTwips = 1800;  // text under 150 characters
    static constexpr int kMediumHeightTwips = 2670; // 150 to 265 characters
    static constexpr int kLongHeightTwips = 3650;   // 266 characters and more
    static constexpr int kMediumFromLength = 150;
    static constexpr int kLongFromLength = 266;
    static constexpr int kRightGapTwips = 500;  // from the screen's right edge
    static constexpr int kBottomGapTwips = 435; // lower edge above the screen's bottom when up
    static constexpr int kDefaultSlideMs = 1000;

    Notif();
    ~Notif() override;

    // Slides the window in (0) or out (1), 1 twip a step, letting events run after every step.
    // While a notice is up any request only slides it out. Any other mode only sizes the window
    // for the text.
    void SlideForm(int mode);
    // Keeps the window above all others, or no longer.
    void Topmost();
    void NotTopmost();

    void Image1_Click();

    float leftTwips() const { return m_left; }
    float topTwips() const { return m_top; }
    float heightTwips() const { return m_height; }
    // The full screen, in twips.
    static float screenWidthTwips();
    static float screenHeightTwips();
    // The lower edge's height above the screen's bottom when up: 435 twips, or above a taller
    // panel at the bottom.
    static float restGapTwips();

    // How long a whole slide takes; 0 runs it without waiting (tests).
    static void setSlideDuration(int milliseconds);

protected:
    void Form_Load() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void chooseBackground();
    // Moves the top edge toward `stop`; false when the window was unloaded meanwhile.
    bool slideTo(float stop);
    void waitForNextFrame();
    void place();

    std::unique_ptr<Ui::Notif> ui;
    float m_left = 0.0F;
    float m_top = 0.0F;
    float m_height = kShortHeightTwips;
};

// Shows textoNotif: loads the notice (its load slides it in) or asks the loaded one to slide in.
// The caller plays "Url.wav" when notifVisible is then set.
void slideNoticeIn();
// Slides the notice out (SlideForm with mode 1), loading it first when needed.
void slideNoticeOut();
// Both slides let events run: a window that calls one checks afterwards that it is still there.

} // namespace shell

#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <deque>
#include <vector>

namespace testing_support {

// From its start the program's message boxes are drawn for real (no script answers them); each
// one is answered as a user does, by a mouse click on the button of the next answer, or on OK
// when no answer is left. What each box showed is kept.
class DrawnBoxes {
public:
    struct Box {
        QString text;
        QString title;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        bool drawn = false; // it painted a picture of itself on the screen
    };

    explicit DrawnBoxes(std::deque<QMessageBox::StandardButton> answers = {});
    DrawnBoxes(const DrawnBoxes&) = delete;
    DrawnBoxes& operator=(const DrawnBoxes&) = delete;

    std::vector<Box> shown;

private:
    void answerOpenBox();

    std::deque<QMessageBox::StandardButton> m_answers;
    QPointer<QMessageBox> m_answered;
    QTimer m_timer;
};

} // namespace testing_support

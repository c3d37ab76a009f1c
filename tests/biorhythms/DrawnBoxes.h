#pragma once

#include "runtime/MessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <vector>

namespace testing_support {

// A message box as the user saw it.
struct DrawnBox {
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    bool drawn = false; // shown on the screen with its picture
};

// While it lives, message boxes are drawn for real, and each is answered as the user answers
// it: a click on its default button once it is up.
class DrawnBoxes {
public:
    DrawnBoxes() {
        runtime::setDialogScript(nullptr);
        QObject::connect(&m_poll, &QTimer::timeout, [this] { answerOpenBox(); });
        m_poll.start(kPollMs);
    }
    DrawnBoxes(const DrawnBoxes&) = delete;
    DrawnBoxes& operator=(const DrawnBoxes&) = delete;

    const std::vector<DrawnBox>& boxes() const { return m_boxes; }

private:
    static constexpr int kPollMs = 5;

    void answerOpenBox() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || box == m_answered) {
            return;
        }
        m_answered = box;
        m_boxes.push_back({box->text(), box->icon(), box->windowTitle(), !box->grab().isNull()});
        QAbstractButton* answer = box->defaultButton();
        QTest::mouseClick(answer ? answer : box->buttons().value(0), Qt::LeftButton);
    }

    QTimer m_poll;
    QPointer<QMessageBox> m_answered;
    std::vector<DrawnBox> m_boxes;
};

} // namespace testing_support

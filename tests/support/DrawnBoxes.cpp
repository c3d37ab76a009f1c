#include "support/DrawnBoxes.h"

#include "runtime/MessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace testing_support {

DrawnBoxes::DrawnBoxes(std::deque<QMessageBox::StandardButton> answers)
    : m_answers(std::move(answers)) {
    runtime::setDialogScript(nullptr);
    // The box's own loop runs the timer while the box is up.
    QObject::connect(&m_timer, &QTimer::timeout, [this] { answerOpenBox(); });
    m_timer.start(10);
}

void DrawnBoxes::answerOpenBox() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible() || box == m_answered) {
        return;
    }
    m_answered = box;
    shown.push_back({box->text(), box->windowTitle(), box->icon(), box->standardButtons(),
                     !box->grab().isNull()});
    QMessageBox::StandardButton answer = QMessageBox::Ok;
    if (!m_answers.empty()) {
        answer = m_answers.front();
        m_answers.pop_front();
    }
    QAbstractButton* button = box->button(answer);
    if (button == nullptr) {
        ADD_FAILURE() << "no such button on the box " << box->text().toStdString();
        box->reject();
        return;
    }
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace testing_support

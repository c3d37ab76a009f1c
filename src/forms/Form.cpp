#include "forms/Form.h"

#include "forms/Forms.h"
#include "forms/UiPictures.h"

#include <QCloseEvent>
#include <QEvent>

namespace forms {
namespace {

quint64 lastLoadSerial = 0;

} // namespace

Form::Form(const QString& name, QWidget* parent) : QWidget(parent), m_name(name) {
    setObjectName(name);
    setWindowIcon(programIcon());
}

Form::~Form() {
    Forms::instance().removed(this);
}

void Form::Load() {
    if (m_loaded) {
        return;
    }
    m_loaded = true;
    m_loadSerial = ++lastLoadSerial;
    Forms::instance().added(this);
    Form_Load();
}

void Form::Show() {
    applyState();
    show();
    if (m_state == vbNormal) {
        raise();
        activateWindow();
    }
    Form_Activate();
}

void Form::Hide() {
    hide();
}

void Form::setWindowStateCode(int state) {
    if (state == m_state) {
        return;
    }
    m_state = state;
    if (isVisible()) {
        applyState();
    }
    Form_Resize();
}

void Form::applyState() {
    m_applyingState = true;
    Qt::WindowStates states = windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
    if (m_state == vbMinimized) {
        states |= Qt::WindowMinimized;
    } else if (m_state == vbMaximized) {
        states |= Qt::WindowMaximized;
    }
    setWindowState(states);
    m_applyingState = false;
}

bool Form::runUnload() {
    int cancel = 0;
    Form_Unload(cancel);
    if (cancel != 0) {
        return false;
    }
    m_loaded = false;
    Forms::instance().removed(this);
    hide();
    Forms::instance().retire(this);
    return true;
}

bool Form::Unload() {
    return m_loaded ? runUnload() : true;
}

void Form::closeEvent(QCloseEvent* event) {
    if (!m_loaded || runUnload()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void Form::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || m_applyingState) {
        return;
    }
    const Qt::WindowStates states = windowState();
    const int state = states & Qt::WindowMinimized   ? vbMinimized
                      : states & Qt::WindowMaximized ? vbMaximized
                                                     : vbNormal;
    if (state != m_state) {
        m_state = state;
        Form_Resize();
    }
}

void Form::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (m_loaded && !m_applyingState) {
        Form_Resize();
    }
}

} // namespace forms

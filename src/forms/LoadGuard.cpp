#include "forms/LoadGuard.h"

#include "runtime/EventLoop.h"

namespace forms {

LoadGuard::LoadGuard(const Form* form)
    : m_form(form), m_load(form ? form->loadSerial() : 0), m_loaded(form && form->isLoaded()) {}

bool LoadGuard::holds() const {
    return m_form && m_form->loadSerial() == m_load && m_form->isLoaded() == m_loaded;
}

bool DoEvents(const Form* form) {
    const LoadGuard guard(form);
    runtime::DoEvents();
    return guard.holds();
}

} // namespace forms

#pragma once

#include "forms/Form.h"

#include <QPointer>

namespace forms {

// One load of a window, remembered before the code lets events run (a yield, a modal box):
// those events may unload the window, or unload it and load a new one under its name. After
// them the code goes on only while the guard still holds, and otherwise stops without touching
// the window again.
class LoadGuard {
public:
    explicit LoadGuard(const Form* form);

    // The window still exists and has been neither unloaded nor loaded anew since.
    bool holds() const;
    explicit operator bool() const { return holds(); }

private:
    QPointer<const Form> m_form;
    quint64 m_load = 0;
    bool m_loaded = false;
};

// Lets pending events run once (runtime::DoEvents) on behalf of a window; true when that window
// is still the same load afterwards, so that its code may go on.
[[nodiscard]] bool DoEvents(const Form* form);

} // namespace forms

#include "readings/MensajeCarta.h"

#include "readings/CardMeanings.h"
#include "runtime/MessageBox.h"
#include "shell/ShellState.h"

namespace readings {

void mensajeCarta() {
    const auto meaning = cardMeaning(static_cast<runtime::Integer>(shell::shellState().numCarta));
    if (meaning) {
        runtime::MsgBox(meaning->text, runtime::vbInformation, meaning->title);
    }
}

} // namespace readings

#include "readings/SignDisplay.h"

#include "readings/ReadingsState.h"
#include "runtime/ProgramFolder.h"
#include "signs/SignTable.h"

#include <QLabel>

namespace readings {

void mostrarSigno(runtime::DateValue d, QWidget* window) {
    ReadingsState& r = readingsState();
    r.rutaSignos = runtime::programPath(QStringLiteral("\\signos\\"));
    const SignTableRow& row = signOfTable(d);
    if (auto* picture = window->findChild<QLabel*>(QStringLiteral("ImageZod"))) {
        picture->setPixmap(QPixmap(
            runtime::programPath(QStringLiteral("\\signos\\") + QLatin1String(row.picture))));
        picture->setToolTip(QLatin1String(row.range));
    }
    if (auto* name = window->findChild<QLabel*>(QStringLiteral("LabelZod"))) {
        name->setText(QLatin1String(row.name));
    }
    r.numSigno = row.sign;
}

} // namespace readings

#include "app/Windows.h"

#include "biorhythms/FrmCompaTab.h"
#include "biorhythms/FormMod.h"
#include "biorhythms/FormSnap.h"
#include "biorhythms/FrmProfiles.h"
#include "biorhythms/frmBio.h"
#include "forms/Forms.h"
#include "readings/FrmCalendar.h"
#include "readings/FrmCartaDia.h"
#include "readings/Frmoracle.h"
#include "readings/FrmName.h"
#include "readings/frmVelarcana.h"

namespace app {

void registerWindows() {
    forms::Forms& windows = forms::Forms::instance();
    windows.registerFactory(QString::fromLatin1(readings::FrmCartaDia::kName),
                            [] { return new readings::FrmCartaDia; });
    windows.registerFactory(QString::fromLatin1(readings::Frmoracle::kName),
                            [] { return new readings::Frmoracle; });
    windows.registerFactory(QString::fromLatin1(readings::FrmCalendar::kName),
                            [] { return new readings::FrmCalendar; });
    windows.registerFactory(QString::fromLatin1(biorhythms::frmBio::kName),
                            [] { return new biorhythms::frmBio; });
    windows.registerFactory(QString::fromLatin1(biorhythms::FrmProfiles::kName),
                            [] { return new biorhythms::FrmProfiles; });
    windows.registerFactory(QString::fromLatin1(biorhythms::FormMod::kName),
                            [] { return new biorhythms::FormMod; });
    windows.registerFactory(QString::fromLatin1(biorhythms::FormSnap::kName),
                            [] { return new biorhythms::FormSnap; });
    windows.registerFactory(QString::fromLatin1(biorhythms::FrmCompaTab::kName),
                            [] { return new biorhythms::FrmCompaTab; });
    windows.registerFactory(QString::fromLatin1(readings::frmVelarcana::kName),
                            [] { return new readings::frmVelarcana; });
    windows.registerFactory(QString::fromLatin1(readings::FrmName::kName),
                            [] { return new readings::FrmName; });
}

} // namespace app

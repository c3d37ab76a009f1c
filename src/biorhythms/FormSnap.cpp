#include "biorhythms/FormSnap.h"

#include "biorhythms/JpegEncoder.h"
#include "biorhythms/frmBio.h"
#include "biorule/BioState.h"
#include "forms/Forms.h"
#include "forms/LoadGuard.h"
#include "platform/ShellOpen.h"
#include "runtime/EventLoop.h"
#include "runtime/MessageBox.h"
#include "runtime/ProgramFolder.h"

#include <QFile>
#include <QLabel>
#include <QUrl>

namespace biorhythms {
namespace {

const QString kSaved =
    QStringLiteral("The picture has been saved in the application folder as mysnap.jpg");
const QString kNotSaved =
    QStringLiteral("The picture could not be saved in the application folder as mysnap.jpg");

} // namespace

FormSnap::FormSnap() : forms::Form(QString::fromLatin1(kName)), PicSnap(new QLabel(this)) {
    setWindowTitle(QStringLiteral("Mi snap"));
    PicSnap->setObjectName(QStringLiteral("PicSnap"));
}

// The picture of the window the snapshot comes from; origenSnap 0 is the Biorhythms window.
QImage FormSnap::captureSource() {
    if (bioState().origenSnap != 0) {
        return QImage();
    }
    QWidget* bio = forms::Forms::instance().find(QString::fromLatin1(frmBio::kName));
    return bio ? bio->grab().toImage() : QImage();
}

// Without a picture nothing is said to be saved; the message tells whether the JPEG was really
// written, so it comes after the conversion. The viewer opens only the snapshot just written,
// never an earlier one.
void FormSnap::Form_Load() {
    const QString bitmapPath = runtime::programPath(QStringLiteral("\\mysnap.bmp"));
    const QImage picture = captureSource();
    if (picture.isNull()) {
        return;
    }
    PicSnap->setPixmap(QPixmap::fromImage(picture));
    const bool bitmapSaved = picture.save(bitmapPath, "BMP");
    const QString jpegPath = runtime::programPath(QStringLiteral("\\mysnap.jpg"));
    const bool written = SaveJPG(picture, jpegPath, kQuality);
    if (QFile::exists(bitmapPath)) {
        QFile::remove(bitmapPath);
    }
    if (!written) {
        runtime::MsgBox(kNotSaved, runtime::vbExclamation, QStringLiteral("Error"));
        return;
    }
    const forms::LoadGuard guard(this);
    runtime::MsgBox(kSaved, runtime::vbInformation);
    if (bitmapSaved && guard) {
        platform::ShellExecute(QUrl::fromLocalFile(jpegPath));
        runtime::DoEvents();
    }
}

} // namespace biorhythms

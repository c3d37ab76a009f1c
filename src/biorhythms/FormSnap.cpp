#include "biorhythms/FormSnap.h"

#include "biorhythms/JpegEncoder.h"
#include "biorhythms/frmBio.h"
#include "biorule/BioState.h"
#include "forms/Forms.h"
#include "forms/LoadGuard.h"
#include "platform/ShellOpen.h"
#include "runtime/EventLoop.h"
#include "runtime/MessageBox.h"
#include "runtime/OwnFile.h"
#include "runtime/ProgramFolder.h"

#include <QBuffer>
#include <QLabel>
#include <QUrl>

namespace biorhythms {
namespace {

const QString kSaved =
    QStringLiteral("The picture has been saved in the application folder as mysnap.jpg");
const QString kNotSaved =
    QStringLiteral("The picture could not be saved in the application folder as mysnap.jpg");

struct Saved {
    bool bitmap = false;
    bool jpeg = false;
};

bool saveBitmap(const QImage& picture, runtime::OwnFile& file) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return picture.save(&buffer, "BMP") && file.write(bytes);
}

// The passing bitmap is a new file of our own, whatever stands at "mysnap.bmp", and goes again
// once the JPEG is written.
Saved saveSnapshot(const QImage& picture, const QString& jpegPath) {
    runtime::OwnFile bitmap(runtime::programPath(QStringLiteral("\\mysnap.bmp")));
    Saved saved;
    saved.bitmap = saveBitmap(picture, bitmap);
    saved.jpeg = SaveJPG(picture, jpegPath, FormSnap::kQuality);
    return saved;
}

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
// never an earlier one, and not when the bitmap could not be written.
void FormSnap::Form_Load() {
    const QImage picture = captureSource();
    if (picture.isNull()) {
        return;
    }
    PicSnap->setPixmap(QPixmap::fromImage(picture));
    const QString jpegPath = runtime::programPath(QStringLiteral("\\mysnap.jpg"));
    // The encoder's box and ours let events run.
    const forms::LoadGuard guard(this);
    const Saved saved = saveSnapshot(picture, jpegPath);
    if (!saved.jpeg) {
        runtime::MsgBox(kNotSaved, runtime::vbExclamation, QStringLiteral("Error"));
        return;
    }
    runtime::MsgBox(kSaved, runtime::vbInformation);
    if (saved.bitmap && guard) {
        platform::ShellExecute(QUrl::fromLocalFile(jpegPath));
        runtime::DoEvents();
    }
}

} // namespace biorhythms

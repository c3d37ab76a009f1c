#pragma once

#include "forms/Form.h"

#include <QImage>

class QLabel;

namespace biorhythms {

// "Mi snap", never shown: its load takes a picture of the Biorhythms window with its chart,
// saves it as "mysnap.jpg" in the program folder and opens it with the desktop's viewer.
class FormSnap : public forms::Form {
    Q_OBJECT

public:
    static constexpr const char* kName = "FormSnap";
    static constexpr int kQuality = 88;

    FormSnap();

    QLabel* PicSnap;

protected:
    void Form_Load() override;

private:
    static QImage captureSource();
};

} // namespace biorhythms

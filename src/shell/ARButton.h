#pragma once

#include <QPixmap>
#include <QPushButton>

namespace shell {

// The windows' main push button: it shows a caption or a picture and raises a click.
class ARButton : public QPushButton {
    Q_OBJECT

public:
    explicit ARButton(QWidget* parent = nullptr);

    // Shows the picture in place of the caption; a missing (null) picture keeps the caption.
    void setPicture(const QPixmap& picture);
};

} // namespace shell

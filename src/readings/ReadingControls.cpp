#include "readings/ReadingControls.h"

#include "forms/UiPictures.h"
#include "runtime/Ansi.h"
#include "runtime/MessageBox.h"
#include "shell/ModuleForm.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QValidator>

namespace readings {
namespace {

bool breaksTheLine(QChar ch) {
    return ch.category() == QChar::Other_Control || ch == QChar::LineSeparator ||
           ch == QChar::ParagraphSeparator;
}

// A validator sees every change of the box's text (typed, pasted, dropped, set) before the box
// takes it; the change handlers then only ever see the blanked text.
class OneLineValidator final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override {
        for (QChar& ch : input) {
            if (breaksTheLine(ch)) {
                ch = QLatin1Char(' ');
            }
        }
        return Acceptable;
    }
};

} // namespace

QAction* addMenuItem(QMenu* menu, const QString& objectName, const QString& caption) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(objectName);
    return item;
}

QAction* addSwitchItem(shell::ModuleForm* window, QMenu* menu, const QString& objectName,
                       const QString& caption, const QString& target) {
    QAction* item = addMenuItem(menu, objectName, caption);
    QObject::connect(item, &QAction::triggered, window,
                     [window, target] { window->switchTo(target); });
    return item;
}

void showPicture(QLabel* box, const QString& path) {
    const QPixmap picture = forms::pictureFile(path);
    box->setPixmap(picture.isNull() ? QPixmap()
                                    : picture.scaled(box->size(), Qt::KeepAspectRatio,
                                                     Qt::SmoothTransformation));
}

bool isLeftClick(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonRelease) {
        return false;
    }
    const auto* mouse = static_cast<QMouseEvent*>(event);
    return mouse->button() == Qt::LeftButton &&
           static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint());
}

void keepOnOneLine(QLineEdit* box) {
    box->setValidator(new OneLineValidator(box));
}

bool loggable(const QStringList& texts, const QString& fault) {
    const QString foreign = runtime::nonAnsiCharacters(texts.join(QString()));
    if (foreign.isEmpty()) {
        return true;
    }
    runtime::MsgBox(fault.arg(foreign), runtime::vbExclamation, QStringLiteral("Error"));
    return false;
}

} // namespace readings

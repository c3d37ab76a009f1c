#include "runtime/MessageBox.h"

#include "runtime/EventLoop.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace runtime {
namespace {

DialogScript& script() {
    static DialogScript current;
    return current;
}

QWidget*& dialogParent() {
    static QWidget* parent = nullptr;
    return parent;
}

QString titleOr(const QString& title) {
    return title.isEmpty() ? QApplication::applicationName() : title;
}

QMessageBox::Icon iconOf(int style) {
    switch (style & 0x70) {
    case vbCritical:
        return QMessageBox::Critical;
    case vbQuestion:
        return QMessageBox::Question;
    case vbExclamation:
        return QMessageBox::Warning;
    case vbInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

QWidget* parentWidget() {
    return dialogParent() ? dialogParent() : QApplication::activeWindow();
}

} // namespace

void setDialogScript(DialogScript s) {
    script() = std::move(s);
}

void setDialogParent(QWidget* parent) {
    dialogParent() = parent;
}

int MsgBox(const QString& prompt, int style, const QString& title) {
    const NestedEvents modal;
    if (script()) {
        QString unused;
        return script()({prompt, style, title, QString(), false}, unused);
    }
    QMessageBox box(iconOf(style), titleOr(title), prompt, QMessageBox::NoButton, parentWidget());
    switch (style & 0x7) {
    case vbYesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case vbOKCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return vbYes;
    case QMessageBox::No:
        return vbNo;
    case QMessageBox::Cancel:
        return vbCancel;
    default:
        return vbOK;
    }
}

QString InputBox(const QString& prompt, const QString& title, const QString& defaultText) {
    const NestedEvents modal;
    if (script()) {
        QString typed;
        script()({prompt, 0, title, defaultText, true}, typed);
        return typed;
    }
    bool ok = false;
    const QString text = QInputDialog::getText(parentWidget(), titleOr(title), prompt,
                                               QLineEdit::Normal, defaultText, &ok);
    return ok ? text : QString();
}

} // namespace runtime

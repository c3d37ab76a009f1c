#include "forms/Look.h"

#include <QLabel>
#include <QWidget>

namespace forms {
namespace {

QString css(const QColor& colour) {
    return colour.name();
}

// The rules of a style for the controls that `selector` picks ("#name" or a class name).
QString rulesOf(Style style, const QString& selector) {
    switch (style) {
    case Style::Ground:
        return QStringLiteral("%1 { background: %2; }").arg(selector, css(kNightBlue));
    case Style::Text:
        return QStringLiteral("%1 { color: %2; }%1:disabled { color: %3; }")
            .arg(selector, css(kCream), css(kDimLavender));
    case Style::Title:
        return QStringLiteral("%1 { color: %2; }").arg(selector, css(kGold));
    case Style::Caption:
        return QStringLiteral("%1 { color: %2; }").arg(selector, css(kLavender));
    case Style::Field:
        return QStringLiteral("%1 { color: %2; background: %3; border: 1px solid %4;"
                              " border-radius: 3px; padding: 1px 3px; }")
            .arg(selector, css(kInk), css(kCream), css(kGold));
    case Style::Frame:
        return QStringLiteral("%1 { border: 1px solid %2; background: %3; }")
            .arg(selector, css(kGold), css(kDeepBlue));
    case Style::Group:
        return QStringLiteral("%1 { border: 1px solid %2; border-radius: 4px; margin-top: 8px; }"
                              "%1::title { subcontrol-origin: margin; left: 8px; padding: 0 3px;"
                              " color: %2; }")
            .arg(selector, css(kGold));
    case Style::Choice:
        // Its palette carries it (see applyLook): a style sheet colour would paint the mark in
        // the box as well, cream on white.
        return QString();
    case Style::Flat:
        return QStringLiteral("%1 { border: none; background: transparent; }").arg(selector);
    case Style::Tabs:
        return QStringLiteral("%1::tab { color: %2; background: %3; border: 1px solid %4;"
                              " border-bottom: none; padding: 4px 16px; margin-right: 2px; }"
                              "%1::tab:selected { color: %5; background: %4; }")
            .arg(selector, css(kCream), css(kButtonBlue), css(kGold), css(kInk));
    case Style::Command:
        return QStringLiteral("%1 { color: %2; background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
                              " stop:0 %3, stop:1 %4); border: 1px solid %5; border-radius: 5px;"
                              " padding: 3px 6px; }"
                              "%1:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
                              " stop:0 %6, stop:1 %3); }"
                              "%1:pressed { background: %4; }"
                              "%1:disabled { color: %7; }")
            .arg(selector, css(kCream), css(kButtonBlue), css(kDeepBlue), css(kGold),
                 css(kButtonBlue.lighter(140)), css(kLavender));
    }
    return QString();
}

} // namespace

void applyLook(QWidget* window, const QList<StyledControls>& styles) {
    QString sheet;
    for (const StyledControls& styled : styles) {
        for (QWidget* control : styled.controls) {
            if (control->objectName().isEmpty()) {
                continue;
            }
            if (styled.style == Style::Ground) {
                // A plain widget paints the ground of its style sheet only when asked to.
                control->setAttribute(Qt::WA_StyledBackground, true);
            }
            if (styled.style == Style::Choice) {
                QPalette colours = control->palette();
                colours.setColor(QPalette::Active, QPalette::WindowText, kCream);
                colours.setColor(QPalette::Inactive, QPalette::WindowText, kCream);
                colours.setColor(QPalette::Disabled, QPalette::WindowText, kDimLavender);
                control->setPalette(colours);
            }
            sheet += rulesOf(styled.style, QLatin1Char('#') + control->objectName());
        }
    }
    window->setStyleSheet(sheet);
}

QString ownLook(Style style) {
    return rulesOf(style, QStringLiteral("QWidget"));
}

void setTextColour(QWidget* control, const QColor& colour) {
    // The palette holds it too, for what is read or drawn before the style sheet applies.
    QPalette colours = control->palette();
    colours.setColor(QPalette::WindowText, colour);
    control->setPalette(colours);
    control->setStyleSheet(QStringLiteral("color: %1;").arg(css(colour)));
}

QList<QWidget*> labelsOf(const QWidget* window) {
    QList<QWidget*> named;
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->objectName().isEmpty()) {
            named.append(label);
        }
    }
    return named;
}

} // namespace forms

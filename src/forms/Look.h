#pragma once

#include "forms/WindowFonts.h"

#include <QColor>
#include <QList>
#include <QString>

class QWidget;

namespace forms {

// The program's colours.
// The ground is dark enough for the pure red of values below zero to stay readable on it.
inline const QColor kNightBlue(14, 18, 44);      // the windows' ground
inline const QColor kDeepBlue(9, 12, 30);        // pictures, bars and charts on the ground
inline const QColor kCream(248, 240, 220);       // texts on the ground, the ground of text boxes
inline const QColor kGold(224, 184, 76);         // titles and frames
inline const QColor kLavender(200, 192, 232);    // captions and notes
inline const QColor kDimLavender(128, 136, 168); // texts of controls that cannot be used
inline const QColor kInk(32, 24, 15);            // texts on cream
inline const QColor kButtonBlue(52, 64, 122);    // push buttons, tabs

// The styles of the program's controls.
enum class Style {
    Ground,  // a window's own ground: night blue
    Text,    // cream text
    Choice,  // a check box or option button: cream text beside its own box
    Title,   // gold text
    Caption, // lavender text
    Field,   // ink on cream in a gold frame: text boxes, lists, pickers
    Frame,   // a gold frame on deep blue round a picture or a panel
    Group,   // a gold frame with its title in gold
    Flat,    // a picture button: neither frame nor ground
    Tabs,    // a tab bar: cream tabs on blue, the chosen one gold
    Command, // a push button: cream on blue in a gold frame
};

// One style for some controls of a window.
struct StyledControls {
    Style style;
    QList<QWidget*> controls;
};

// Gives a window and its controls their styles: one style sheet on the window, each rule of
// which selects one control by its object name (a later style of the same control wins). The
// message boxes, input boxes and file dialogs that the window opens match none of the rules and
// keep their own palette. Controls without a name get nothing.
void applyLook(QWidget* window, const QList<StyledControls>& styles);

// The style sheet a control class of the program carries on itself; it reaches that control
// only.
QString ownLook(Style style);

// A text coloured while the window runs (a value above or below zero), over its style.
void setTextColour(QWidget* control, const QColor& colour);

// Every named label of a window, for the style most of them share.
QList<QWidget*> labelsOf(const QWidget* window);

} // namespace forms

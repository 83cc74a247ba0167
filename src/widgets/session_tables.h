#pragma once

#include <QString>

#include <functional>
#include <string>

class QGroupBox;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QWidget;

namespace kvrgui {

// The controls of the windows that keep a qualifying and an other-sessions table:
// "All" with "+" and "-" by the step typed beside them, and the two copy buttons.
struct SessionTableControls {
    QGroupBox* all;
    QHBoxLayout* allRow; // the window may add to the row after the step box
    QPushButton* plus;
    QPushButton* minus;
    QLineEdit* step;
    QPushButton* qualEqualsOther;
    QPushButton* otherEqualsQual;
};

struct StepBox {
    int defaultStep;
    int maxChars;
    int width;
};

// Makes the controls in `window`, in this order for Tab. "+" and "-" call `shift` with
// the name of the undo step, the typed step and the direction; "Qual=Other" and
// "Other=Qual" call `copy` with their caption and which of the two was clicked, for the
// window to say which way its tables are copied.
SessionTableControls sessionTableControls(QWidget* window, const StepBox& stepBox,
                                          std::function<void(const QString&, const std::string&, bool up)> shift,
                                          std::function<void(const QString&, bool qualEqualsOther)> copy);

} // namespace kvrgui

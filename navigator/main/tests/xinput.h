// Real input on the X display through the XTEST extension: the X server makes the events, so
// they reach the program as a person's keys, clicks and wheel notches do (focus, grabs and all).
// Qt ignores events that another client merely sends.
#pragma once

#include <QPoint>
#include <QString>

struct _XDisplay;

namespace qm {

class TXInput {
public:
    TXInput();
    ~TXInput();
    TXInput(const TXInput&) = delete;
    TXInput& operator=(const TXInput&) = delete;

    bool Open() const { return FDisplay != nullptr; }
    // A key by its keysym name ("Return", "s", "1", "Down"), with Control, Shift or Alt held.
    void Key(const char* KeySym, bool Control = false, bool Shift = false, bool Alt = false);
    // Printable ASCII, one key a character (Shift for capitals and shifted punctuation).
    void Type(const QString& Text);
    // The pointer to a point of the screen; clicks and wheel notches happen where it is.
    void MoveTo(QPoint Global);
    void Click(int Button = 1);
    void DoubleClick();
    // Notches of the wheel: positive away from the user (button 4), negative towards (button 5).
    void Wheel(int Notches);
    // Asks the window manager, as a close button does, to close the top-level window Window.
    void CloseRequest(unsigned long Window);

private:
    void Button(int Button);
    void Flush();
    ::_XDisplay* FDisplay = nullptr;
};

}  // namespace qm

// XTEST input: keys, pointer, buttons and the window manager's close request.
#include "xinput.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <cstring>

namespace qm {

TXInput::TXInput() : FDisplay(XOpenDisplay(nullptr)) {}

TXInput::~TXInput() {
    if (FDisplay) XCloseDisplay(FDisplay);
}

void TXInput::Flush() {
    XSync(FDisplay, False);
}

void TXInput::Key(const char* KeySym, bool Control, bool Shift, bool Alt) {
    const KeyCode Code = XKeysymToKeycode(FDisplay, XStringToKeysym(KeySym));
    const KeyCode Held[] = {Control ? XKeysymToKeycode(FDisplay, XK_Control_L) : KeyCode(0),
                            Shift ? XKeysymToKeycode(FDisplay, XK_Shift_L) : KeyCode(0),
                            Alt ? XKeysymToKeycode(FDisplay, XK_Alt_L) : KeyCode(0)};
    for (KeyCode H : Held)
        if (H) XTestFakeKeyEvent(FDisplay, H, True, CurrentTime);
    XTestFakeKeyEvent(FDisplay, Code, True, CurrentTime);
    XTestFakeKeyEvent(FDisplay, Code, False, CurrentTime);
    for (KeyCode H : Held)
        if (H) XTestFakeKeyEvent(FDisplay, H, False, CurrentTime);
    Flush();
}

void TXInput::Type(const QString& Text) {
    static const char Shifted[] = "~!@#$%^&*()_+{}|:\"<>?";
    static const char Plain[] = "`1234567890-=[]\\;',./";
    for (const QChar C : Text) {
        char Ch = C.toLatin1();
        bool Shift = false;
        if (Ch >= 'A' && Ch <= 'Z') {
            Ch = static_cast<char>(Ch - 'A' + 'a');
            Shift = true;
        }
        if (const char* At = Ch ? std::strchr(Shifted, Ch) : nullptr) {
            Ch = Plain[At - Shifted];
            Shift = true;
        }
        // The keysyms of printable ASCII are the characters' own codes.
        const KeySym Sym = static_cast<unsigned char>(Ch);
        const KeyCode Code = XKeysymToKeycode(FDisplay, Sym);
        const KeyCode ShiftCode = XKeysymToKeycode(FDisplay, XK_Shift_L);
        if (Shift) XTestFakeKeyEvent(FDisplay, ShiftCode, True, CurrentTime);
        XTestFakeKeyEvent(FDisplay, Code, True, CurrentTime);
        XTestFakeKeyEvent(FDisplay, Code, False, CurrentTime);
        if (Shift) XTestFakeKeyEvent(FDisplay, ShiftCode, False, CurrentTime);
    }
    Flush();
}

void TXInput::MoveTo(QPoint Global) {
    XTestFakeMotionEvent(FDisplay, -1, Global.x(), Global.y(), CurrentTime);
    Flush();
}

void TXInput::Button(int Button) {
    XTestFakeButtonEvent(FDisplay, static_cast<unsigned>(Button), True, CurrentTime);
    XTestFakeButtonEvent(FDisplay, static_cast<unsigned>(Button), False, CurrentTime);
}

void TXInput::Click(int Button) {
    this->Button(Button);
    Flush();
}

void TXInput::DoubleClick() {
    Button(1);
    Button(1);
    Flush();
}

void TXInput::Wheel(int Notches) {
    for (int i = 0; i < (Notches < 0 ? -Notches : Notches); ++i) Button(Notches > 0 ? 4 : 5);
    Flush();
}

void TXInput::CloseRequest(unsigned long Window) {
    XEvent Event{};
    Event.xclient.type = ClientMessage;
    Event.xclient.window = Window;
    Event.xclient.message_type = XInternAtom(FDisplay, "WM_PROTOCOLS", False);
    Event.xclient.format = 32;
    Event.xclient.data.l[0] = static_cast<long>(XInternAtom(FDisplay, "WM_DELETE_WINDOW", False));
    Event.xclient.data.l[1] = CurrentTime;
    XSendEvent(FDisplay, Window, False, NoEventMask, &Event);
    Flush();
}

}  // namespace qm

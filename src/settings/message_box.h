// The one way the settings code (and the window's other modules) talks to the
// user through a modal box. The window shows a real box; tests record the calls.
#pragma once

#include <string>

namespace talvoro {

class MessageBox {
public:
    virtual ~MessageBox() = default;

    // Shows `text` with a single OK button and waits until it is dismissed.
    // An empty `title` means the application's title.
    virtual void showMessage(const std::u16string& text, const std::u16string& title) = 0;
};

}  // namespace talvoro

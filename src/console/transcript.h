// What the calculator core needs of the transcript pane: add a line at its
// end, and bring the end into view. The window's pane, the terminal and the
// tests each supply their own.
#pragma once

#include <string>

namespace talvoro {

class Transcript {
public:
    virtual ~Transcript() = default;
    // The pane's text becomes its old text, `line` and CR LF; the caret stays.
    virtual void AppendLine(const std::u16string& line) = 0;
    // Moves the caret to the end of the text, so the newest line is in view.
    virtual void SetToTop() = 0;
};

}  // namespace talvoro

// A message box that remembers what it was asked to show.
#pragma once

#include <string>
#include <vector>

#include "settings/message_box.h"

namespace talvoro::testing {

class RecordingMessageBox : public MessageBox {
public:
    struct Shown {
        std::u16string text;
        std::u16string title;
    };
    void showMessage(const std::u16string& text, const std::u16string& title) override {
        shown.push_back({text, title});
    }
    std::vector<Shown> shown;
};

}  // namespace talvoro::testing

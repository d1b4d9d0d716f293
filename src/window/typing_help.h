// Help while typing for one script text box (the input line, the quick
// panel): after two letters of a name, or at Ctrl+Space, a popup lists the
// names that complete it; F1 shows the signature and description of the name
// under the caret.
//
// It watches the box's keys before the box does, and takes only these, and
// only while the popup is shown: Up and Down (and Page Up, Page Down) move
// in the list, Enter inserts the chosen name, Escape closes the list. A
// character that cannot continue a name closes the list and goes on to the
// box. Without a popup every key reaches the box as before, apart from
// Ctrl+Space and F1.
#pragma once

#include <QObject>
#include <QPointer>
#include <memory>
#include <optional>

#include "scripts/completion_model.h"
#include "window/completion_popup.h"

class QKeyEvent;
class QPlainTextEdit;

namespace talvoro {

class TypingHelp : public QObject {
    Q_OBJECT

public:
    TypingHelp(QPlainTextEdit& box, const CompletionModel& model);
    ~TypingHelp() override;

    CompletionPopup& popup() const { return *popup_; }
    bool popupShown() const { return popup_->isVisible(); }
    void closePopup();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Returns true when the key is taken (the box does not see it).
    bool keyPressed(const QKeyEvent& key);
    bool keyWhilePopupShown(const QKeyEvent& key);
    void textChanged();
    void offer(bool forced);
    struct Insertion {
        Candidate chosen;  // a copy: inserting may refill the list
        size_t start, end;  // the text the name replaces
        bool bracketFollows;
        std::u16string replaced;
    };
    std::optional<Insertion> pendingInsertion() const;
    void insertChosen();
    bool chosenIsTypedAlready() const;
    void showHelp();

    std::u16string boxText() const;
    size_t caret() const;

    QPointer<QPlainTextEdit> box_;
    const CompletionModel& model_;
    std::unique_ptr<CompletionPopup> popup_;
    bool typing_ = false;  // the key being handled types into the name
    bool forced_ = false;  // the list was asked for with Ctrl+Space
};

}  // namespace talvoro

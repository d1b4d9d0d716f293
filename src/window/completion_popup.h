// The list of names offered while typing: a small frameless window under the
// caret, one row per name with its arguments and description. It never takes
// the keyboard: the text box it serves keeps the focus and forwards the keys
// that move in the list (typing_help.h).
#pragma once

#include <QFrame>
#include <vector>

#include "scripts/completion_model.h"

class QTreeWidget;

namespace talvoro {

class CompletionPopup : public QFrame {
    Q_OBJECT

public:
    // Rows shown at once; more scroll. Enough to choose among without
    // covering the window.
    static constexpr int kVisibleRows = 8;
    // The widest the popup grows for long descriptions, in pixels.
    static constexpr int kMaxWidth = 520;

    CompletionPopup();

    // Shows `candidates` with its top-left corner at `below` (global
    // coordinates), or above `above` when there is no room below; the first
    // row is chosen.
    void showCandidates(std::vector<Candidate> candidates, QPoint below, int above);
    void moveSelection(int rows);
    // The chosen row's candidate; nullptr when none.
    const Candidate* current() const;

    int rowCount() const { return static_cast<int>(candidates_.size()); }
    // "Sqr(number)" of a row, as shown.
    QString rowSignature(int row) const;
    QTreeWidget* list() const { return list_; }

signals:
    // A row was clicked: its name is to be inserted.
    void clicked();

private:
    QSize fittingSize() const;

    QTreeWidget* list_;
    std::vector<Candidate> candidates_;
};

}  // namespace talvoro

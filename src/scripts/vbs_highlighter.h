// Colours VBScript in a text document: keywords, strings, comments and
// numbers. Each line is scanned on its own, because no VBScript token spans
// lines (a comment ending in "_" does not continue on the next line).
#pragma once

#include <QStringView>
#include <QSyntaxHighlighter>
#include <QTextCharFormat>
#include <vector>

class QTextDocument;

namespace talvoro {

enum class VbsTokenKind { Keyword, String, Comment, Number };

// One coloured stretch of a line: characters [start, start + length).
struct VbsSpan {
    int start = 0;
    int length = 0;
    VbsTokenKind kind = VbsTokenKind::Keyword;
};

// The stretches of `line` to colour, in order, not overlapping. Text outside
// every span (names, operators, blanks) keeps the default format.
std::vector<VbsSpan> scanVbsLine(QStringView line);

class VbsHighlighter : public QSyntaxHighlighter {
public:
    explicit VbsHighlighter(QTextDocument* document);

protected:
    void highlightBlock(const QString& text) override;

private:
    QTextCharFormat formatFor(VbsTokenKind kind) const;

    QTextCharFormat keyword_;
    QTextCharFormat string_;
    QTextCharFormat comment_;
    QTextCharFormat number_;
};

}  // namespace talvoro

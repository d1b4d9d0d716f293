// The VBScript colouring of the quick panel: a hand-written line scanner (a
// regular expression per token kind cannot tell a quote inside a string from
// a comment) and a QSyntaxHighlighter that applies its spans.
#include "scripts/vbs_highlighter.h"

#include <QColor>
#include <QFont>
#include <QSet>
#include <QString>
#include <QTextDocument>

namespace talvoro {

namespace {

// The words of the language that shape statements, plus the literal words
// (True, Nothing ...). Built-in functions are not listed: they are ordinary
// names a script may shadow.
const QSet<QString>& keywords() {
    static const QSet<QString> words = {
        "and",    "as",       "boolean", "byref",   "byte",     "byval",  "call",    "case",
        "class",  "const",    "currency", "default", "dim",     "do",     "double",  "each",
        "else",   "elseif",   "empty",   "end",     "eqv",      "erase",  "error",   "exit",
        "explicit", "false",  "for",     "function", "get",     "goto",   "if",      "imp",
        "in",     "is",       "let",     "like",    "loop",     "mod",    "new",     "next",
        "not",    "nothing",  "null",    "on",      "option",   "or",     "preserve", "private",
        "property", "public", "randomize", "redim", "resume",   "select", "set",     "step",
        "stop",   "sub",      "then",    "to",      "true",     "until",  "wend",    "while",
        "with",   "xor"};
    return words;
}

bool isNameStart(QChar c) { return c.isLetter(); }
bool isNameChar(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); }
bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
bool isHexDigit(QChar c) {
    return isDigit(c) || (c.toLower() >= QLatin1Char('a') && c.toLower() <= QLatin1Char('f'));
}

int skipDigits(QStringView line, int i) {
    while (i < line.size() && isDigit(line[i])) ++i;
    return i;
}

// The end of a string literal that opens at `start`; "" inside is a quote.
// An unclosed string runs to the end of the line.
int stringEnd(QStringView line, int start) {
    int i = start + 1;
    while (i < line.size()) {
        if (line[i] != QLatin1Char('"')) {
            ++i;
        } else if (i + 1 < line.size() && line[i + 1] == QLatin1Char('"')) {
            i += 2;
        } else {
            return i + 1;
        }
    }
    return i;
}

// The end of a decimal number at `start`: digits, a fraction, an exponent.
int decimalEnd(QStringView line, int start) {
    int i = skipDigits(line, start);
    if (i < line.size() && line[i] == QLatin1Char('.')) i = skipDigits(line, i + 1);
    if (i < line.size() && line[i].toLower() == QLatin1Char('e')) {
        int j = i + 1;
        if (j < line.size() && (line[j] == QLatin1Char('+') || line[j] == QLatin1Char('-'))) ++j;
        if (j < line.size() && isDigit(line[j])) i = skipDigits(line, j);
    }
    return i;
}

// The end of &H1F / &O17 (with an optional trailing &) at `start`, or
// `start` itself when the & is the concatenation operator.
int radixNumberEnd(QStringView line, int start) {
    if (start + 2 >= line.size()) return start;
    const QChar radix = line[start + 1].toLower();
    if (radix != QLatin1Char('h') && radix != QLatin1Char('o')) return start;
    int i = start + 2;
    auto digitOk = [radix](QChar c) {
        return radix == QLatin1Char('h') ? isHexDigit(c) : (c >= QLatin1Char('0') && c <= QLatin1Char('7'));
    };
    while (i < line.size() && digitOk(line[i])) ++i;
    if (i == start + 2) return start;
    if (i < line.size() && line[i] == QLatin1Char('&')) ++i;
    return i;
}

bool isRemComment(QStringView word, QStringView line, int wordEnd) {
    return word.compare(u"rem", Qt::CaseInsensitive) == 0 &&
           (wordEnd == line.size() || line[wordEnd].isSpace() || line[wordEnd] == QLatin1Char(':'));
}

}  // namespace

std::vector<VbsSpan> scanVbsLine(QStringView line) {
    std::vector<VbsSpan> spans;
    auto add = [&spans](int start, int end, VbsTokenKind kind) { spans.push_back({start, end - start, kind}); };
    int i = 0;
    while (i < line.size()) {
        const QChar c = line[i];
        if (c == QLatin1Char('\'')) {
            add(i, line.size(), VbsTokenKind::Comment);
            break;
        }
        if (c == QLatin1Char('"')) {
            const int end = stringEnd(line, i);
            add(i, end, VbsTokenKind::String);
            i = end;
        } else if (isDigit(c) || (c == QLatin1Char('.') && i + 1 < line.size() && isDigit(line[i + 1]))) {
            const int end = decimalEnd(line, i);
            add(i, end, VbsTokenKind::Number);
            i = end;
        } else if (c == QLatin1Char('&') && radixNumberEnd(line, i) > i) {
            const int end = radixNumberEnd(line, i);
            add(i, end, VbsTokenKind::Number);
            i = end;
        } else if (c == QLatin1Char('#') && line.indexOf(QLatin1Char('#'), i + 1) > i) {
            // A date literal such as #1/2/2003#.
            const int end = static_cast<int>(line.indexOf(QLatin1Char('#'), i + 1)) + 1;
            add(i, end, VbsTokenKind::Number);
            i = end;
        } else if (c == QLatin1Char('[')) {
            // A bracketed name may hold any word, keywords included.
            const qsizetype close = line.indexOf(QLatin1Char(']'), i + 1);
            i = close < 0 ? static_cast<int>(line.size()) : static_cast<int>(close) + 1;
        } else if (isNameStart(c)) {
            int end = i + 1;
            while (end < line.size() && isNameChar(line[end])) ++end;
            const QStringView word = line.mid(i, end - i);
            // After a dot the word names a member (obj.End, x.Step), not a keyword.
            const bool member = i > 0 && line[i - 1] == QLatin1Char('.');
            if (!member && isRemComment(word, line, end)) {
                add(i, line.size(), VbsTokenKind::Comment);
                break;
            }
            if (!member && keywords().contains(word.toString().toLower())) add(i, end, VbsTokenKind::Keyword);
            i = end;
        } else {
            ++i;
        }
    }
    return spans;
}

VbsHighlighter::VbsHighlighter(QTextDocument* document) : QSyntaxHighlighter(document) {
    keyword_.setForeground(QColor(0, 0, 160));
    keyword_.setFontWeight(QFont::Bold);
    string_.setForeground(QColor(163, 21, 21));
    comment_.setForeground(QColor(0, 128, 0));
    comment_.setFontItalic(true);
    number_.setForeground(QColor(9, 134, 88));
}

QTextCharFormat VbsHighlighter::formatFor(VbsTokenKind kind) const {
    switch (kind) {
        case VbsTokenKind::Keyword: return keyword_;
        case VbsTokenKind::String: return string_;
        case VbsTokenKind::Comment: return comment_;
        case VbsTokenKind::Number: return number_;
    }
    return {};
}

void VbsHighlighter::highlightBlock(const QString& text) {
    for (const VbsSpan& span : scanVbsLine(text)) setFormat(span.start, span.length, formatFor(span.kind));
}

}  // namespace talvoro

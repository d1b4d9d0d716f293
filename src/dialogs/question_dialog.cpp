#include "dialogs/question_dialog.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <initializer_list>

#include "dialogs/input_box.h"
#include "settings/message_box.h"
#include "dialogs/caption_font.h"

namespace talvoro {

namespace {

QString toQString(const std::u16string& s) { return QString::fromStdU16String(s); }

QFont questionFont() {
    QFont font = captionFont(8.25);
    font.setBold(true);
    return font;
}

// Courier, or the faces with its metrics that a Linux desktop has instead.
QFont answerFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"), QStringLiteral("Courier")});
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(9.75);
    return font;
}

// A word wider than the question's room (a long path, say) cannot wrap and
// would be cut at the label's right edge: it may break anywhere instead,
// marked by zero-width spaces between its characters.
QString breakLongWords(const QString& question, const QFontMetrics& metrics, int width) {
    QString shown;
    QString word;
    auto endWord = [&] {
        if (metrics.horizontalAdvance(word) <= width) {
            shown += word;
        } else {
            for (qsizetype i = 0; i < word.size(); ++i) {
                shown += word[i];
                if (i + 1 < word.size() && !word[i].isHighSurrogate()) shown += QChar(0x200B);
            }
        }
        word.clear();
    };
    for (const QChar c : question) {
        if (c.isSpace()) {
            endWord();
            shown += c;
        } else {
            word += c;
        }
    }
    endWord();
    return shown;
}

QPushButton* makeButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    // Enter belongs to the answer field: no button may take it as default.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

}  // namespace

frm_question::frm_question(const std::u16string& question, bool numberMode, MessageBox& box, QWidget* owner)
    : QDialog(owner), numberMode_(numberMode), box_(box) {
    if (owner != nullptr && owner->window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        setWindowFlag(Qt::WindowStaysOnTopHint, true);
    // The engine gets no code and no objects: answers see only the language.
    scr_eval_.SetTimeout(kEvalTimeoutMs);
    createControls();
    Form_Load(question);
}

frm_question::~frm_question() = default;

void frm_question::createControls() {
    setObjectName(QStringLiteral("frm_question"));
    setWindowTitle(QStringLiteral("Input Box"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(kClientSize);

    lbl_question_ = new QLabel(QStringLiteral("A Label"), this);
    lbl_question_->setObjectName(QStringLiteral("lbl_question"));
    lbl_question_->setFont(questionFont());
    lbl_question_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lbl_question_->setWordWrap(true);
    lbl_question_->setGeometry(kQuestionPlace);

    txt_input_ = new QLineEdit(this);
    txt_input_->setObjectName(QStringLiteral("txt_input"));
    txt_input_->setFont(answerFont());
    txt_input_->setGeometry(0, 40, 409, 19);
    txt_input_->installEventFilter(this);

    Command1_ = makeButton(QStringLiteral("Command1"), QStringLiteral("OK"), this);
    Command1_->setGeometry(416, 40, 49, 17);

    cmb_prev_ = new QComboBox(this);
    cmb_prev_->setObjectName(QStringLiteral("cmb_prev"));
    cmb_prev_->setFont(answerFont());
    // A drop-down whose text may also be typed; typing never adds entries.
    cmb_prev_->setEditable(true);
    cmb_prev_->setInsertPolicy(QComboBox::NoInsert);
    cmb_prev_->setGeometry(0, 64, 409, 21);

    Command2_ = makeButton(QStringLiteral("Command2"), QStringLiteral("Use this"), this);
    Command2_->setGeometry(416, 64, 49, 17);

    setTabOrder(txt_input_, Command1_);
    setTabOrder(Command1_, cmb_prev_);
    setTabOrder(cmb_prev_, Command2_);

    connect(Command1_, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2_, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void frm_question::Form_Load(const std::u16string& question) {
    lbl_question_->setText(
        breakLongWords(toQString(question), QFontMetrics(lbl_question_->font()), kQuestionPlace.width()));
    fitQuestion();
    // Newest first; the list's last slot is always empty and is no answer.
    const std::vector<std::u16string>& answers = AnswerList();
    for (size_t i = answers.size() - 1; i-- > 0;) cmb_prev_->addItem(toQString(answers[i]));
    if (cmb_prev_->count() > 0) cmb_prev_->setCurrentIndex(0);
    txt_input_->clear();
    txt_input_->setFocus();
}

// The label grows to hold every line of a long question, and the controls
// below it move down with the box's lower edge; a line cut off at the
// label's edge could not be read, nor the question answered.
void frm_question::fitQuestion() {
    const int needed = lbl_question_->heightForWidth(kQuestionPlace.width());
    const int extra = std::max(0, needed - kQuestionPlace.height());
    lbl_question_->resize(kQuestionPlace.width(), kQuestionPlace.height() + extra);
    for (QWidget* below : std::initializer_list<QWidget*>{txt_input_, Command1_, cmb_prev_, Command2_})
        below->move(below->x(), below->y() + extra);
    setFixedSize(kClientSize.grownBy(QMargins(0, 0, 0, extra)));
}

void frm_question::Command1_Click() {
    const std::u16string typed = txt_input_->text().toStdU16String();
    if (numberMode_) {
        try {
            answerValue_ = scr_eval_.Eval(typed);
        } catch (const vbs::ScriptException&) {
            box_.showMessage(kRefusal, u"");
            txt_input_->setFocus();
            // Whole answer selected with the caret at its start, so typing
            // replaces it.
            const int length = int(txt_input_->text().size());
            txt_input_->setSelection(length, -length);
            return;
        }
    }
    answerText_ = typed;
    confirmed_ = true;
    accept();
}

void frm_question::Command2_Click() {
    const QString chosen = cmb_prev_->currentText();
    if (chosen == QString::fromUtf16(kSelectHint)) return;
    txt_input_->setText(chosen);
    txt_input_->setCursorPosition(int(chosen.size()));
    txt_input_->setFocus();
}

bool frm_question::txt_input_KeyPress(const QKeyEvent& key) {
    const QString text = key.text();
    if (text == QLatin1String("\r") || text == QLatin1String("\n")) return true;
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) return true;
    // Ctrl+J and Ctrl+M are line feed and carriage return even where the
    // key event carries the plain letter as its text.
    const bool control = key.modifiers().testFlag(Qt::ControlModifier);
    return control && (key.key() == Qt::Key_J || key.key() == Qt::Key_M);
}

bool frm_question::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txt_input_ && event->type() == QEvent::KeyPress &&
        txt_input_KeyPress(*static_cast<QKeyEvent*>(event))) {
        Command1_Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frm_question::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace talvoro

#include "forms/textbox.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>

#include <QMimeData>

#include <functional>

namespace forms {

namespace {

// Pasted or dropped text goes in only as far as the box has room, and the
// box is told what is coming before it is laid out.
class PlainTextEdit : public QPlainTextEdit
{
public:
    PlainTextEdit(QWidget *parent, std::function<void(const QString &)> arriving)
        : QPlainTextEdit(parent)
        , m_arriving(std::move(arriving))
    {
    }

protected:
    void insertFromMimeData(const QMimeData *source) override
    {
        if (!source->hasText())
            return;
        const int room = TextBox::LengthLimit - int(document()->characterCount() - 1)
                         + int(textCursor().selectedText().size());
        if (room <= 0)
            return;
        // Lines copied from elsewhere may end in CR LF: one break each.
        QString text = source->text();
        text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        text.truncate(room);
        m_arriving(text);
        insertPlainText(text);
    }

private:
    std::function<void(const QString &)> m_arriving;
};

// Word boundaries are looked for only while no run of the text without a
// break is longer than this; beyond it, laying the text out word by word
// grows with the square of the run.
constexpr int LongestWrappedWord = 500;

bool hasLongRun(const QString &text)
{
    int run = 0;
    for (QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        if (run > LongestWrappedWord)
            return true;
    }
    return false;
}

} // namespace

TextBox::TextBox(QWidget *parent, bool multiLine)
    : Control(parent)
{
    QWidget *inner;
    if (multiLine) {
        m_multi = new PlainTextEdit(this, [this](const QString &text) {
            if (hasLongRun(text))
                setWrapAnywhere(true);
        });
        m_multi->setTabChangesFocus(true);
        m_multi->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_multi->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        connect(m_multi, &QPlainTextEdit::textChanged, this, [this] {
            setWrapAnywhere(hasLongRun(m_multi->toPlainText()));
            emit Change();
        });
        inner = m_multi;
    } else {
        m_single = new QLineEdit(this);
        // MaxLength is enforced on typing only; code may write any length
        // up to the box's own limit.
        m_single->setMaxLength(LengthLimit);
        connect(m_single, &QLineEdit::textChanged, this, &TextBox::Change);
        inner = m_single;
    }
    embed(inner);
    inner->installEventFilter(this);
    applyLook();
}

QWidget *TextBox::editor() const
{
    return m_multi ? static_cast<QWidget *>(m_multi) : m_single;
}

QString TextBox::Text() const
{
    if (m_multi) {
        // Lines are separated by CR LF, as the windows write them.
        QString text = m_multi->toPlainText();
        text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
        return text;
    }
    return m_single->text();
}

void TextBox::setText(const QString &text)
{
    if (text == Text())
        return;
    if (m_multi) {
        // Line breaks count as one character, as typed ones do.
        QString plain = text;
        plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        plain.truncate(LengthLimit);
        setWrapAnywhere(hasLongRun(plain));
        m_multi->setPlainText(plain);
        applyLook();
    } else {
        m_single->setText(text.left(LengthLimit));
    }
}

void TextBox::setAlignment(int alignment)
{
    m_alignment = alignment;
    applyLook();
}

int TextBox::SelStart() const
{
    return m_multi ? m_multi->textCursor().position() : m_single->cursorPosition();
}

void TextBox::setSelStart(int position)
{
    if (m_multi) {
        QTextCursor cursor = m_multi->textCursor();
        cursor.setPosition(std::clamp(position, 0, int(m_multi->toPlainText().size())));
        m_multi->setTextCursor(cursor);
    } else {
        m_single->setCursorPosition(std::clamp(position, 0, int(m_single->text().size())));
    }
}

void TextBox::setBorderStyle(int style)
{
    m_borderStyle = style;
    applyLook();
}

void TextBox::setBackColor(OleColor color)
{
    m_backColor = color;
    applyLook();
}

void TextBox::setForeColor(OleColor color)
{
    m_foreColor = color;
    applyLook();
}

void TextBox::setLocked(bool locked)
{
    m_locked = locked;
    if (m_multi)
        m_multi->setReadOnly(locked);
    else
        m_single->setReadOnly(locked);
}

void TextBox::fontChangedSpec()
{
    editor()->setFont(font());
    applyLook();
}

void TextBox::applyLook()
{
    QWidget *inner = editor();
    QPalette pal = inner->palette();
    pal.setColor(QPalette::Base, toQColor(m_backColor));
    pal.setColor(QPalette::Text, toQColor(m_foreColor));
    inner->setPalette(pal);
    const Qt::Alignment horizontal = m_alignment == RightJustify ? Qt::AlignRight
                                   : m_alignment == Center       ? Qt::AlignHCenter
                                                                 : Qt::AlignLeft;
    if (m_multi) {
        m_multi->setFrameShape(m_borderStyle == 0 ? QFrame::NoFrame : QFrame::StyledPanel);
        m_multi->document()->setDocumentMargin(1);
        QTextOption option = m_multi->document()->defaultTextOption();
        option.setAlignment(horizontal);
        option.setWrapMode(m_wrapAnywhere ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere);
        m_multi->document()->setDefaultTextOption(option);
        // Existing blocks keep their own format; align them too.
        QTextCursor cursor(m_multi->document());
        cursor.select(QTextCursor::Document);
        QTextBlockFormat format;
        format.setAlignment(horizontal);
        cursor.mergeBlockFormat(format);
    } else {
        m_single->setFrame(m_borderStyle != 0);
        m_single->setAlignment(horizontal | Qt::AlignVCenter);
        m_single->setTextMargins(0, 0, 0, 0);
    }
}

void TextBox::setWrapAnywhere(bool anywhere)
{
    if (anywhere == m_wrapAnywhere)
        return;
    m_wrapAnywhere = anywhere;
    QTextOption option = m_multi->document()->defaultTextOption();
    option.setWrapMode(anywhere ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere);
    m_multi->document()->setDefaultTextOption(option);
}

int TextBox::selectedLength() const
{
    if (m_multi)
        return int(m_multi->textCursor().selectedText().size());
    return int(m_single->selectedText().size());
}

void TextBox::insertText(const QString &text)
{
    if (m_multi)
        m_multi->insertPlainText(text);
    else
        m_single->insert(text);
}

bool TextBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != editor() || event->type() != QEvent::KeyPress)
        return Control::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    int code = 0;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        code = 13;
    else if (key->key() == Qt::Key_Backspace)
        code = 8;
    else if (key->key() == Qt::Key_Escape)
        code = 27;
    else if (!key->text().isEmpty() && key->text().at(0).isPrint()
             && !(key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)))
        code = key->text().at(0).unicode();
    if (code == 0)
        return false; // navigation and shortcuts go to the editor as usual

    const int typed = code;
    emit KeyPress(code);
    if (code == 0)
        return true; // discarded: no character, no beep
    const bool printable = code >= 32 || (code == 13 && m_multi);
    const int length = m_multi ? int(m_multi->document()->characterCount() - 1) : int(m_single->text().size());
    const int limit = m_maxLength > 0 ? std::min(m_maxLength, int(LengthLimit)) : int(LengthLimit);
    if (printable && length - selectedLength() >= limit)
        return true;
    if (code != typed) {
        if (code == 8 || code == 13)
            return false;
        if (printable && !m_locked)
            insertText(QString(QChar(code)));
        return true;
    }
    return false;
}

} // namespace forms

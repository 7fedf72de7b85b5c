#pragma once
// Text box, single- or multi-line. KeyPress sees each typed character
// (13 for Enter, 8 for Backspace) by reference: setting it to 0 discards
// the key, another code replaces it. MaxLength limits typing only; code may
// write longer text. Change follows every change of Text, typed or set.
//
// Like the text boxes of the platform these windows were designed for, a
// box holds at most LengthLimit characters: typing, pasting or setting more
// keeps the first ones, silently, and the box stays responsive whatever
// arrives.

#include "forms/control.h"

class QLineEdit;
class QPlainTextEdit;

namespace forms {

class TextBox : public Control
{
    Q_OBJECT
    Q_PROPERTY(QString Text READ Text WRITE setText)
    Q_PROPERTY(int Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE setMaxLength)
    Q_PROPERTY(int SelStart READ SelStart WRITE setSelStart)
    Q_PROPERTY(bool MultiLine READ MultiLine)
    Q_PROPERTY(int BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(quint32 ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(bool Locked READ Locked WRITE setLocked)

public:
    enum { LeftJustify = 0, RightJustify = 1, Center = 2 };
    static constexpr int LengthLimit = 32767;
    explicit TextBox(QWidget *parent, bool multiLine = false);

    QString Text() const;
    void setText(const QString &text);
    int Alignment() const { return m_alignment; }
    void setAlignment(int alignment);
    int MaxLength() const { return m_maxLength; }
    void setMaxLength(int length) { m_maxLength = std::max(0, length); }
    int SelStart() const;
    void setSelStart(int position);
    bool MultiLine() const { return m_multi != nullptr; }
    int BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(int style);
    OleColor BackColor() const { return m_backColor; }
    void setBackColor(OleColor color);
    OleColor ForeColor() const { return m_foreColor; }
    void setForeColor(OleColor color);
    bool Locked() const { return m_locked; }
    void setLocked(bool locked);

    // The Qt editor inside, for tests that type into it.
    QWidget *editor() const;

signals:
    void Change();
    void KeyPress(int &KeyAscii);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void fontChangedSpec() override;

private:
    void applyLook();
    int selectedLength() const;
    void insertText(const QString &text);
    // A multi-line box wraps at word boundaries, except while its text has a
    // run without a break so long that looking for one would take seconds;
    // such a run is broken anywhere, as it would be anyway.
    void setWrapAnywhere(bool anywhere);

    QLineEdit *m_single = nullptr;
    QPlainTextEdit *m_multi = nullptr;
    int m_alignment = LeftJustify;
    int m_maxLength = 0;
    int m_borderStyle = 1;
    bool m_locked = false;
    OleColor m_backColor = SystemColor::WindowBackground;
    OleColor m_foreColor = SystemColor::WindowText;
    bool m_wrapAnywhere = false;
};

} // namespace forms

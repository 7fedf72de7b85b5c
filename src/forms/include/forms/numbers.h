#pragma once
// Every number conversion the windows use, in one place. Text is always
// written and read with a decimal point, whatever the user's locale.

#include <QString>
#include <QtGlobal>

namespace forms {

// Real -> 16-bit integer: nearest, ties to even (162.5 -> 162, 163.5 -> 164).
// Outside -32768..32767 (or NaN/infinite) raises Overflow.
qint16 CInt(double x);
// Real -> 32-bit integer, same rounding; Overflow outside the 32-bit range.
// Used for timer intervals, which exceed the 16-bit range.
qint32 CLng(double x);
// Round to n decimals (n >= 0), ties to even.
double Round(double x, int decimals = 0);
// Floor: Int(-1.5) = -2.
double Int(double x);
// Double -> single precision; Overflow when the value does not fit.
float CSng(double x);

// Checked arithmetic: no infinities or NaNs ever reach a caption.
double checked(double x);            // Overflow if x is infinite or NaN
double Div(double a, double b);      // DivisionByZero if b == 0, Overflow if the result is not finite

// Shortest decimal text: no leading blank, leading zero kept, no trailing
// zeros; at most 15 significant digits for doubles, 7 for singles;
// exponent form ("1E+16", "1E-05") only where plain digits would not fit.
QString CStr(double x);
QString CStr(float x);
QString CStr(int x);
QString CStr(bool b);                // "True" / "False"
// Leading-blank form: a blank before a non-negative number, no zero before
// the point: Str(0.1) = " .1", Str(1) = " 1", Str(-0.5) = "-.5".
QString Str(double x);
QString Str(float x);

// Leading-number reader: the longest numeric prefix (after leading blanks),
// 0 if there is none: "4.2x" -> 4.2, "" -> 0, "-2" -> -2, "abc" -> 0.
// A prefix too large for a double raises Overflow ("1e400").
double Val(const QString &text);
// Strict conversion: the whole text (surrounding blanks allowed) must be a
// number, else TypeMismatch; too large raises Overflow.
double CDbl(const QString &text);
// Strict text -> 16-bit integer (CDbl then CInt).
qint16 CIntText(const QString &text);
// Strict text -> 32-bit integer (CDbl then CLng), e.g. colour codes "65280".
qint32 CLngText(const QString &text);
// "True"/"False" (any case) or a number (non-zero is true); else TypeMismatch.
bool CBool(const QString &text);

} // namespace forms

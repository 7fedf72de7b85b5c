#include "forms/numbers.h"

#include "forms/errors.h"

#include <QStringView>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace forms {

// Rounding relies on the default floating-point rounding mode (to nearest,
// ties to even); nothing in the program changes it.

qint16 CInt(double x)
{
    const double r = std::nearbyint(x);
    // Written so that NaN fails the test too.
    if (!(r >= -32768.0 && r <= 32767.0))
        raise(ErrorCode::Overflow);
    return static_cast<qint16>(r);
}

qint32 CLng(double x)
{
    const double r = std::nearbyint(x);
    if (!(r >= -2147483648.0 && r <= 2147483647.0))
        raise(ErrorCode::Overflow);
    return static_cast<qint32>(r);
}

double Round(double x, int decimals)
{
    if (!std::isfinite(x))
        return x;
    // "+ 0.0" turns a rounded -0 (Round(-0.4)) into 0, so it never shows as "-0".
    if (decimals <= 0)
        return std::nearbyint(x) + 0.0;
    // Powers of ten up to 1e22 are exact, so for the few decimals the windows
    // ask for the only rounding before the tie test is in x * scale itself:
    // a value stored just below a tie (1.2345 is really 1.23449999...) can be
    // scaled onto the tie and then goes to the even neighbour.
    const double scale = std::pow(10.0, decimals);
    const double scaled = x * scale;
    // Beyond 2^52 a double has no fraction left to round; dividing back
    // could only lose exactness (and scale may be infinite).
    if (!(std::fabs(scaled) < 0x1p52))
        return x;
    // Dividing (not multiplying by 10^-n) gives the double nearest the
    // decimal result: Round(0.125, 2) == 0.12 exactly.
    return std::nearbyint(scaled) / scale + 0.0;
}

double Int(double x)
{
    return std::floor(x);
}

float CSng(double x)
{
    if (!std::isfinite(x) || std::fabs(x) > double(FLT_MAX))
        raise(ErrorCode::Overflow);
    return static_cast<float>(x);
}

double checked(double x)
{
    if (!std::isfinite(x))
        raise(ErrorCode::Overflow);
    return x;
}

double Div(double a, double b)
{
    if (b == 0.0)
        raise(ErrorCode::DivisionByZero);
    return checked(a / b);
}

// ---------------------------------------------------------------------------
// Number -> text. std::to_chars never consults the C or Qt locale, which is
// what keeps the decimal point a point everywhere.

namespace {
template <typename T>
QString shortestText(T x, int significantDigits)
{
    if (x == 0)
        return QStringLiteral("0"); // also for -0
    // General format with a precision is exactly "%.*g": trailing zeros
    // dropped, exponent form only below 1e-4 or from 10^digits upwards,
    // with at least two exponent digits ("1e-05").
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, x,
                                      std::chars_format::general, significantDigits);
    QString text = QString::fromLatin1(buffer, result.ptr - buffer);
    text.replace(QLatin1Char('e'), QLatin1Char('E'));
    return text;
}

QString leadingBlankForm(QString text)
{
    if (text.startsWith(QLatin1Char('-'))) {
        if (text.startsWith(QLatin1String("-0.")))
            text.remove(1, 1);
        return text;
    }
    if (text.startsWith(QLatin1String("0.")))
        text.remove(0, 1);
    return QLatin1Char(' ') + text;
}
} // namespace

QString CStr(double x)
{
    return shortestText(x, 15);
}

QString CStr(float x)
{
    // Formatting the float itself (not the widened double) is what keeps
    // 0.1f as "0.1" rather than "0.100000001490116".
    return shortestText(x, 7);
}

QString CStr(int x)
{
    return QString::number(x);
}

QString CStr(bool b)
{
    return b ? QStringLiteral("True") : QStringLiteral("False");
}

QString Str(double x)
{
    return leadingBlankForm(CStr(x));
}

QString Str(float x)
{
    return leadingBlankForm(CStr(x));
}

// ---------------------------------------------------------------------------
// Text -> number.

namespace {
bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// Only ASCII digits count: QChar::isDigit would accept other scripts' digits,
// which the conversion below cannot read.
bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

qsizetype skipBlanks(QStringView text, qsizetype pos)
{
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    return pos;
}

struct NumberPrefix
{
    qsizetype end = 0;     // one past the last character taken
    bool found = false;    // at least one mantissa digit
    bool overflow = false; // too large for a double
    double value = 0.0;
};

// Reads [sign] digits [. digits] [(E|e|D|d) [sign] digits] starting at pos.
// One pass over the text; the exponent is only taken when a digit follows it.
NumberPrefix readNumber(QStringView text, qsizetype pos)
{
    NumberPrefix prefix;
    prefix.end = pos;
    const qsizetype size = text.size();
    qsizetype i = pos;

    bool negative = false;
    if (i < size && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }

    // The mantissa is copied as ASCII for std::from_chars, which has no
    // leading '+' and no 'D' exponent and reads only char.
    std::string mantissa;
    while (i < size && isDigit(text[i]))
        mantissa.push_back(char(text[i++].unicode()));
    const qsizetype intDigits = qsizetype(mantissa.size());
    qsizetype fracDigits = 0;
    if (i < size && text[i] == QLatin1Char('.')) {
        qsizetype j = i + 1;
        while (j < size && isDigit(text[j]))
            ++j;
        fracDigits = j - i - 1;
        if (intDigits + fracDigits > 0) {
            mantissa.push_back('.');
            for (qsizetype k = i + 1; k < j; ++k)
                mantissa.push_back(char(text[k].unicode()));
            i = j;
        }
    }
    if (intDigits + fracDigits == 0)
        return prefix; // a lone sign or point is not a number

    // Saturate the exponent: a thousand-digit exponent still means "huge" or
    // "tiny", and the sum below must not overflow.
    constexpr long long exponentCap = 1'000'000'000;
    long long exponent = 0;
    if (i < size) {
        const QChar c = text[i];
        if (c == QLatin1Char('E') || c == QLatin1Char('e') || c == QLatin1Char('D')
            || c == QLatin1Char('d')) {
            qsizetype j = i + 1;
            bool exponentNegative = false;
            if (j < size && (text[j] == QLatin1Char('+') || text[j] == QLatin1Char('-'))) {
                exponentNegative = text[j] == QLatin1Char('-');
                ++j;
            }
            const qsizetype digitsStart = j;
            while (j < size && isDigit(text[j])) {
                if (exponent < exponentCap)
                    exponent = exponent * 10 + (text[j].unicode() - '0');
                ++j;
            }
            if (j > digitsStart) {
                exponent = exponentNegative ? -exponent : exponent;
                i = j;
            } else {
                exponent = 0; // "1e" is the number 1 followed by a letter
            }
        }
    }

    std::string number = mantissa;
    if (exponent != 0)
        number += 'e' + std::to_string(exponent);

    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value,
                                        std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // from_chars reports both overflow and underflow this way. Tell them
        // apart by the decimal exponent of the first significant digit: out
        // of range means beyond about 1e308 or below about 1e-324.
        const auto first = mantissa.find_first_not_of("0.");
        const auto firstPos = qsizetype(first);
        const long long magnitude = firstPos < intDigits
                ? (intDigits - firstPos - 1) + exponent
                : -(firstPos - intDigits) + exponent;
        if (magnitude > 0)
            prefix.overflow = true;
        value = 0.0; // underflow reads as zero
    }

    prefix.found = true;
    prefix.end = i;
    prefix.value = value == 0.0 ? 0.0 : (negative ? -value : value);
    return prefix;
}
} // namespace

double Val(const QString &text)
{
    const NumberPrefix prefix = readNumber(text, skipBlanks(text, 0));
    if (prefix.overflow)
        raise(ErrorCode::Overflow);
    return prefix.value;
}

double CDbl(const QString &text)
{
    const NumberPrefix prefix = readNumber(text, skipBlanks(text, 0));
    // Check the trailing text first: "1e400x" is not a number at all.
    if (!prefix.found || skipBlanks(text, prefix.end) != text.size())
        raise(ErrorCode::TypeMismatch);
    if (prefix.overflow)
        raise(ErrorCode::Overflow);
    return prefix.value;
}

qint16 CIntText(const QString &text)
{
    return CInt(CDbl(text));
}

qint32 CLngText(const QString &text)
{
    return CLng(CDbl(text));
}

bool CBool(const QString &text)
{
    QStringView trimmed(text);
    const qsizetype begin = skipBlanks(trimmed, 0);
    qsizetype end = trimmed.size();
    while (end > begin && isBlank(trimmed[end - 1]))
        --end;
    trimmed = trimmed.sliced(begin, end - begin);
    if (trimmed.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (trimmed.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    return CDbl(text) != 0.0;
}

} // namespace forms
